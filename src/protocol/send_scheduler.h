#pragma once
// The send timers: on every tick the timer that owns the pending command
// builds its frame afresh from the controls and writes it; the others stop.
// After the 100th unanswered transmission the next one ends the attempt with
// the time-out message.
#include <functional>

#include "protocol/catalogue.h"

namespace kavel {

class Form1;
class Timer;

class SendScheduler {
 public:
  static constexpr int kMaxSends = 100;
  static constexpr const char* kTimeout = "通信超时!请稍后重试";
  static constexpr const char* kInvalidValue = "参数值超出范围,命令未发送!";

  // Takes the ticks of Timer2, Timer3 and Timer4.
  explicit SendScheduler(Form1& form);

  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  // One tick of Timer4, which belongs to the bulk import; set by the import.
  std::function<void()> bulkImportTick;

 private:
  void tick(Owner owner, Timer& timer, const char* timeoutTitle);

  Form1& f_;
};

// Starts command `kind` from a panel control: when the link is online,
// commandKind := kind and the probe timer starts (or, for the few commands
// that skip the probe, their send timer); offline that timer is stopped and
// nothing is sent. paramCode / paramIndex are the caller's to set first.
// Returns whether the command was started.
bool requestCommand(Form1& form, int kind);

}  // namespace kavel
