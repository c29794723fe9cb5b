#pragma once
// The program's clock: Qt's precise timers on the user-interface thread and a
// real blocking pause.
#include <QElapsedTimer>

#include "link/clock.h"

namespace kavel {

class QtClock : public Clock {
 public:
  QtClock() { elapsed_.start(); }
  std::unique_ptr<Timer> createTimer(int intervalMs) override;
  // Blocks the thread: no timer, notification or user event runs meanwhile,
  // while the serial driver keeps receiving.
  void pause(int ms) override;
  long long nowMs() const override { return elapsed_.elapsed(); }

 private:
  QElapsedTimer elapsed_;
};

}  // namespace kavel
