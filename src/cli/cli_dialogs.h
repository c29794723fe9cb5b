#pragma once
// The system's message boxes on a command line. A box that reports a failure
// becomes a line on standard error, the message text itself, and the exit
// status of a link failure; the exit question is answered OK. The start-up
// names the port it chose in a box without an icon: while `startingUp`,
// such boxes are notes, shown only when `showNotes` is set. The box a
// command waits for (`awaited`, the store's confirmation) is its success;
// an input box gets `answer`, as if the operator had typed it.
#include <cstdio>
#include <string>

#include "cli/exit_status.h"
#include "window/dialogs.h"

namespace kavel::cli {

class CliDialogs : public Dialogs {
 public:
  explicit CliDialogs(std::FILE* out = stderr) : out_(out) {}

  MessageResult message(const std::string& text, const std::string&, MessageIcon icon,
                        MessageButtons buttons) override {
    if (buttons == MessageButtons::OkCancel) return MessageResult::Ok;
    if (!awaited.empty() && text == awaited) {
      awaitedShown_ = true;
      return MessageResult::Ok;
    }
    const bool note = startingUp && icon != MessageIcon::Error;
    if (!note) {
      if (status_ == kSuccess) status_ = kLinkFailure;
    }
    if (!note || showNotes) std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
    return MessageResult::Ok;
  }
  std::optional<std::string> input(const std::string&, const std::string&,
                                   const std::string&) override {
    return answer;
  }
  // A file box gets the file named on the command line.
  std::optional<std::string> openFile(const std::string&, const std::vector<FileFilter>&,
                                      const std::string&) override {
    return file;
  }
  std::optional<std::string> saveFile(const std::string&, const std::vector<FileFilter>&,
                                      const std::string&) override {
    return file;
  }

  // The status of the first failure reported; kSuccess while there was none.
  ExitStatus status() const { return status_; }
  bool failed() const { return status_ != kSuccess; }

  bool awaitedShown() const { return awaitedShown_; }

  bool startingUp = false;
  bool showNotes = false;
  std::optional<std::string> answer;  // what an input box is answered; none: cancelled
  std::string awaited;
  std::optional<std::string> file;  // what a file box is answered; none: cancelled

 private:
  std::FILE* out_;
  ExitStatus status_ = kSuccess;
  bool awaitedShown_ = false;
};

}  // namespace kavel::cli
