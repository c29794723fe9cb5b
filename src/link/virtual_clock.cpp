#include "link/virtual_clock.h"

#include <algorithm>

namespace kavel {

class VirtualClock::Backend : public TimerBackend {
 public:
  Backend(VirtualClock& clock, std::shared_ptr<VTimer> t) : clock_(clock), t_(std::move(t)) {}
  ~Backend() override { t_->active = false; t_->owner = nullptr; }
  void start(int intervalMs) override {
    t_->interval = intervalMs;
    t_->due = clock_.now_ + intervalMs;
    t_->active = true;
  }
  void stop() override { t_->active = false; }

 private:
  VirtualClock& clock_;
  std::shared_ptr<VTimer> t_;
};

std::unique_ptr<Timer> VirtualClock::createTimer(int intervalMs) {
  auto vt = std::make_shared<VTimer>();
  timers_.push_back(vt);
  auto timer = std::make_unique<Timer>(std::make_unique<Backend>(*this, vt), intervalMs);
  vt->owner = timer.get();
  return timer;
}

void VirtualClock::schedule(Queue& queue, long long at, std::function<void()> fn) {
  queue.emplace(std::make_pair(at, seq_++), std::move(fn));
}

void VirtualClock::post(long long delayMs, std::function<void()> fn) {
  schedule(posted_, now_ + std::max(0LL, delayMs), std::move(fn));
}

void VirtualClock::atWorld(long long delayMs, std::function<void()> fn) {
  schedule(world_, now_ + std::max(0LL, delayMs), std::move(fn));
}

bool VirtualClock::runNext(long long limit, bool worldOnly) {
  // Candidates: the earliest world event, posted event and timer tick.
  long long best = limit + 1;
  enum { None, World, Posted, Tick } kind = None;
  std::shared_ptr<VTimer> tick;
  if (!world_.empty() && world_.begin()->first.first < best) {
    best = world_.begin()->first.first;
    kind = World;
  }
  if (!worldOnly) {
    if (!posted_.empty() && posted_.begin()->first.first < best) {
      best = posted_.begin()->first.first;
      kind = Posted;
    }
    for (const auto& t : timers_) {
      // A tick that fell due during a pause fires once, as soon as possible.
      const long long due = std::max(t->due, now_);
      if (t->active && t->owner && due < best) {
        best = due;
        kind = Tick;
        tick = t;
      }
    }
  }
  if (kind == None) return false;
  now_ = std::max(now_, best);
  if (kind == Tick) {
    tick->due = now_ + tick->interval;
    tick->owner->fire();
  } else {
    Queue& q = kind == World ? world_ : posted_;
    auto fn = std::move(q.begin()->second);
    q.erase(q.begin());
    fn();
  }
  return true;
}

void VirtualClock::advance(long long ms) {
  const long long target = now_ + ms;
  while (runNext(target, false)) {
  }
  now_ = std::max(now_, target);
}

bool VirtualClock::advanceUntil(const std::function<bool()>& done, long long maxMs) {
  for (long long i = 0; i < maxMs; ++i) {
    if (done()) return true;
    advance(1);
  }
  return done();
}

void VirtualClock::pause(int ms) {
  pausedMs_ += ms;
  const long long target = now_ + ms;
  while (runNext(target, true)) {
  }
  now_ = std::max(now_, target);
}

}  // namespace kavel
