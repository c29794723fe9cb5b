#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kavel {

bool installChineseTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  const bool loaded = translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) return app.installTranslator(translator);
  delete translator;
  return false;
}

}  // namespace kavel
