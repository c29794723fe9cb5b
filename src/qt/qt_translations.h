#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in
// Simplified Chinese, like the rest of the window.
class QCoreApplication;

namespace kavel {

// Installs Qt's Simplified Chinese translations when the system has them
// (Debian's qt6-translations-l10n); false when it has not, and the dialogs
// keep Qt's English texts.
bool installChineseTranslations(QCoreApplication& app);

}  // namespace kavel
