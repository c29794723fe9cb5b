#pragma once
// The window's modal boxes on Qt: message box, input box and file dialogs.
#include <QPointer>
#include <QWidget>

#include "window/dialogs.h"

namespace kavel {

class QtDialogs : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  MessageResult message(const std::string& text, const std::string& title, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
  std::optional<std::string> openFile(const std::string& title,
                                      const std::vector<FileFilter>& filters,
                                      const std::string& name) override;
  std::optional<std::string> saveFile(const std::string& title,
                                      const std::vector<FileFilter>& filters,
                                      const std::string& name) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kavel
