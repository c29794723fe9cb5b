// The preset file dialogs as an operator meets them: their titles, the two
// filters, the name chosen last filled in, and the question before a save
// replaces a file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "qt/qt_dialogs.h"
#include "qt/qt_translations.h"

namespace kavel {
namespace {

const std::vector<FileFilter> kFilters{{"KTV文件(*.ktv)", "*.ktv"}, {"所有文件(*.*)", "*"}};

// Runs `look` on the file dialog once it is open, then cancels it.
void whenOpen(const std::function<void(QFileDialog&)>& look) {
  QTimer::singleShot(50, [look] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no file dialog open";
    look(*dialog);
    if (const QByteArray dir = qgetenv("KAVEL_RENDER_DIR"); !dir.isEmpty())
      dialog->grab().save(QString::fromUtf8(dir) + "/" + dialog->windowTitle() + ".png");
    dialog->reject();
  });
}

TEST(FileDialogs, SaveStartsWithTheLastNameAndAsksBeforeReplacing) {
  installChineseTranslations(*QCoreApplication::instance());
  QTemporaryDir dir;
  const QString last = dir.filePath("room 1.ktv");
  QtDialogs dialogs;
  whenOpen([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "保存在电脑");
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(d.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(d.defaultSuffix(), "");
    EXPECT_EQ(d.nameFilters(), (QStringList{"KTV文件(*.ktv)", "所有文件(*)"}));
    EXPECT_EQ(d.directory().absolutePath(), dir.path());
    EXPECT_EQ(d.selectedFiles().value(0), last);
  });
  EXPECT_EQ(dialogs.saveFile("保存在电脑", kFilters, last.toStdString()), std::nullopt);
}

TEST(FileDialogs, OpenStartsWithTheLastName) {
  QTemporaryDir dir;
  const QString last = dir.filePath("room 1.ktv");
  QtDialogs dialogs;
  whenOpen([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "从电脑中调用");
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d.directory().absolutePath(), dir.path());
  });
  EXPECT_EQ(dialogs.openFile("从电脑中调用", kFilters, last.toStdString()), std::nullopt);
}

}  // namespace
}  // namespace kavel
