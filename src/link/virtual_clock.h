#pragma once
// A clock for tests and headless runs: time moves only when asked to, and
// timer ticks, posted events and the outside world run in the order real
// time would run them.
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "link/clock.h"

namespace kavel {

class VirtualClock : public Clock {
 public:
  std::unique_ptr<Timer> createTimer(int intervalMs) override;
  // Moves time on by `ms`, running only outside-world events meanwhile.
  void pause(int ms) override;
  long long nowMs() const override { return now_; }

  // Runs every timer tick and event due within the next `ms`, in time order.
  void advance(long long ms);
  // Advances in steps of 1 ms until `done` holds or `maxMs` have passed;
  // returns whether `done` held.
  bool advanceUntil(const std::function<bool()>& done, long long maxMs);

  // An event of the editor's own event loop (a receive notification, say):
  // it does not run during a pause.
  void post(long long delayMs, std::function<void()> fn);
  // An event of the outside world (bytes arriving on the line): it runs at
  // its time even while the editor is paused.
  void atWorld(long long delayMs, std::function<void()> fn);

  int pausedMs() const { return pausedMs_; }

 private:
  struct VTimer {
    Timer* owner = nullptr;
    bool active = false;
    int interval = 0;
    long long due = 0;
  };
  class Backend;
  using Queue = std::multimap<std::pair<long long, long long>, std::function<void()>>;

  // Runs the next event due at or before `limit`, outside-world events only
  // when `worldOnly`; false when there is none.
  bool runNext(long long limit, bool worldOnly);
  void schedule(Queue& queue, long long at, std::function<void()> fn);

  long long now_ = 0;
  long long seq_ = 0;
  int pausedMs_ = 0;
  Queue posted_, world_;
  std::vector<std::shared_ptr<VTimer>> timers_;
};

}  // namespace kavel
