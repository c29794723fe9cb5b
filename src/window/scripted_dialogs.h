#pragma once
// Dialogs for tests and headless runs: every box is recorded and answered
// from a script instead of by a person.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/dialogs.h"

namespace kavel {

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
  };

  MessageResult message(const std::string& text, const std::string& title, MessageIcon icon,
                        MessageButtons buttons) override {
    shown.push_back({text, title, icon, buttons});
    // A modal box runs a nested event loop; a test can let time pass in it.
    if (whileOpen) whileOpen(shown.back());
    if (answers.empty()) return MessageResult::Ok;
    const MessageResult r = answers.front();
    answers.pop_front();
    return r;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string&) override {
    shown.push_back({prompt, title, MessageIcon::None, MessageButtons::OkCancel});
    return next(inputs);
  }
  std::optional<std::string> openFile(const std::string& title, const std::vector<FileFilter>&,
                                      const std::string& name) override {
    shown.push_back({name, title, MessageIcon::None, MessageButtons::OkCancel});
    return next(files);
  }
  std::optional<std::string> saveFile(const std::string& title, const std::vector<FileFilter>&,
                                      const std::string& name) override {
    shown.push_back({name, title, MessageIcon::None, MessageButtons::OkCancel});
    return next(files);
  }

  const Shown* last() const { return shown.empty() ? nullptr : &shown.back(); }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.text);
    return out;
  }

  std::vector<Shown> shown;
  std::deque<MessageResult> answers;                 // default: OK
  std::deque<std::optional<std::string>> inputs;     // default: cancelled
  std::deque<std::optional<std::string>> files;      // default: cancelled
  std::function<void(const Shown&)> whileOpen;

 private:
  static std::optional<std::string> next(std::deque<std::optional<std::string>>& q) {
    if (q.empty()) return std::nullopt;
    auto v = q.front();
    q.pop_front();
    return v;
  }
};

}  // namespace kavel
