#pragma once
// The modal boxes of the window: message box, input box and the file dialogs.
#include <optional>
#include <string>
#include <vector>

namespace kavel {

enum class MessageIcon { None, Error, Question, Information, Warning };
enum class MessageButtons { Ok, OkCancel };
enum class MessageResult { Ok, Cancel };

struct FileFilter {
  std::string description;  // "KTV文件(*.ktv)"
  std::string pattern;      // "*.ktv"
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal: returns when the operator closes the box.
  virtual MessageResult message(const std::string& text, const std::string& title,
                                MessageIcon icon = MessageIcon::None,
                                MessageButtons buttons = MessageButtons::Ok) = 0;
  // An input box; nullopt when cancelled.
  virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                           const std::string& initial = "") = 0;
  // The file dialogs start with `name` (the file chosen last) filled in;
  // nullopt when cancelled. The save dialog asks before replacing a file.
  virtual std::optional<std::string> openFile(const std::string& title,
                                              const std::vector<FileFilter>& filters,
                                              const std::string& name) = 0;
  virtual std::optional<std::string> saveFile(const std::string& title,
                                              const std::vector<FileFilter>& filters,
                                              const std::string& name) = 0;
};

}  // namespace kavel
