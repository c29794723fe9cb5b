#include "protocol/send_scheduler.h"

#include "protocol/build_frame.h"
#include "window/form1.h"

namespace kavel {

SendScheduler::SendScheduler(Form1& form) : f_(form) {
  f_.timers.timer2->setHandler([this] { Timer2_Timer(); });
  f_.timers.timer3->setHandler([this] { Timer3_Timer(); });
  f_.timers.timer4->setHandler([this] { Timer4_Timer(); });
}

void SendScheduler::Timer2_Timer() { tick(Owner::Timer2, *f_.timers.timer2, "提示2"); }
void SendScheduler::Timer3_Timer() { tick(Owner::Timer3, *f_.timers.timer3, "提示3"); }

// The import's tick also ends the import when a panel command took its place.
void SendScheduler::Timer4_Timer() {
  if (bulkImportTick) return bulkImportTick();
  f_.timers.timer4->setEnabled(false);
}

void SendScheduler::tick(Owner owner, Timer& timer, const char* timeoutTitle) {
  LinkState& s = f_.state;
  if (ownerOf(s.commandKind) != owner) {
    timer.setEnabled(false);
    return;
  }
  const auto frame = buildFrame(s.commandKind, f_);
  if (!frame) {
    // A value without a wire byte: nothing goes out, and the attempt ends.
    timer.setEnabled(false);
    s.resetCounters();
    f_.dialogs.message(kInvalidValue, "系统提示", MessageIcon::Error);
    return;
  }
  s.txFrame = *frame;
  f_.port.write(s.txFrame);
  if (++s.sendTicks <= kMaxSends) return;
  // The timer's own ticks are held off while the box is open.
  f_.dialogs.message(kTimeout, timeoutTitle);
  timer.setEnabled(false);
  s.resetCounters();
}

bool requestCommand(Form1& f, int kind) {
  const Command* c = findCommand(kind);
  if (!c) return false;
  Timer& timer = c->start == Start::Timer2   ? *f.timers.timer2
                 : c->start == Start::Timer3 ? *f.timers.timer3
                                             : *f.timers.timer1;
  if (!f.online()) {
    timer.setEnabled(false);
    return false;
  }
  f.state.commandKind = Integer(kind);
  timer.setEnabled(true);
  return true;
}

}  // namespace kavel
