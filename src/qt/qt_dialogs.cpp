#include "qt/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace kavel {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Qt reads a filter's patterns from the parentheses at its end, so the
// description's own ("所有文件(*.*)") gives way to the pattern that matches on
// Linux: "*.*" would hide the files whose names have no dot.
QString filterText(const std::vector<FileFilter>& filters) {
  QStringList parts;
  for (const FileFilter& f : filters) {
    QString name = q(f.description);
    if (name.endsWith(')') && name.contains('(')) name.truncate(name.lastIndexOf('('));
    parts << name + "(" + q(f.pattern) + ")";
  }
  return parts.join(";;");
}

std::optional<std::string> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

MessageResult QtDialogs::message(const std::string& text, const std::string& title,
                                 MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(qtIcon(icon), q(title), q(text), QMessageBox::NoButton, parent_);
  QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
  if (buttons == MessageButtons::OkCancel) box.addButton("取消", QMessageBox::RejectRole);
  box.setDefaultButton(ok);
  box.exec();
  return box.clickedButton() == ok ? MessageResult::Ok : MessageResult::Cancel;
}

std::optional<std::string> QtDialogs::input(const std::string& prompt, const std::string& title,
                                            const std::string& initial) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(q(title));
  dialog.setLabelText(q(prompt));
  dialog.setTextValue(q(initial));
  dialog.setOkButtonText("确定");
  dialog.setCancelButtonText("取消");
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<std::string> QtDialogs::openFile(const std::string& title,
                                               const std::vector<FileFilter>& filters,
                                               const std::string& name) {
  return chosen(QFileDialog::getOpenFileName(parent_, q(title), q(name), filterText(filters)));
}

// No default suffix: a name typed without an extension is used as typed.
// The dialog asks before it replaces an existing file.
std::optional<std::string> QtDialogs::saveFile(const std::string& title,
                                               const std::vector<FileFilter>& filters,
                                               const std::string& name) {
  return chosen(QFileDialog::getSaveFileName(parent_, q(title), q(name), filterText(filters)));
}

}  // namespace kavel
