#pragma once
// The four periodic timers of the link, all disabled at start.
#include <memory>

#include "link/clock.h"

namespace kavel {

struct LinkTimers {
  explicit LinkTimers(Clock& clock)
      : timer1(clock.createTimer(20)),
        timer2(clock.createTimer(20)),
        timer3(clock.createTimer(20)),
        timer4(clock.createTimer(50)) {}

  std::unique_ptr<Timer> timer1;  // probe
  std::unique_ptr<Timer> timer2;  // command timer, first group (with connect and read-back)
  std::unique_ptr<Timer> timer3;  // command timer, second group
  std::unique_ptr<Timer> timer4;  // bulk import

  void stopAll() {
    timer1->setEnabled(false);
    timer2->setEnabled(false);
    timer3->setEnabled(false);
    timer4->setEnabled(false);
  }
  bool anyEnabled() const {
    return timer1->enabled() || timer2->enabled() || timer3->enabled() || timer4->enabled();
  }
};

}  // namespace kavel
