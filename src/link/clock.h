#pragma once
// Time as the editor sees it: periodic timers and the blocking pause. The
// program drives these from Qt's precise timers; tests from a virtual clock.
#include <functional>
#include <memory>

namespace kavel {

// What a clock provides for one periodic timer.
class TimerBackend {
 public:
  virtual ~TimerBackend() = default;
  virtual void start(int intervalMs) = 0;  // (re)starts a fresh period
  virtual void stop() = 0;
};

// One periodic timer of the window. Enabling it, even when already enabled,
// starts a fresh period. A tick never nests inside its own handler: while a
// handler runs (for example with a modal message open), further ticks of
// the same timer are dropped.
class Timer {
 public:
  Timer(std::unique_ptr<TimerBackend> backend, int intervalMs)
      : backend_(std::move(backend)), intervalMs_(intervalMs) {}

  bool enabled() const { return enabled_; }
  void setEnabled(bool on) {
    enabled_ = on;
    if (on)
      backend_->start(intervalMs_);
    else
      backend_->stop();
  }
  void restart() { setEnabled(false); setEnabled(true); }
  int interval() const { return intervalMs_; }
  void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

  // Called by the backend when a period has elapsed.
  void fire() {
    if (!enabled_ || inTick_ || !handler_) return;
    inTick_ = true;
    handler_();
    inTick_ = false;
  }
  bool inTick() const { return inTick_; }

 private:
  std::unique_ptr<TimerBackend> backend_;
  int intervalMs_;
  bool enabled_ = false;
  bool inTick_ = false;
  std::function<void()> handler_;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::unique_ptr<Timer> createTimer(int intervalMs) = 0;
  // Blocks for `ms`: no timer tick, receive notification or user event of
  // the editor is handled meanwhile; the outside world (bytes arriving at
  // the port) goes on.
  virtual void pause(int ms) = 0;
  // Milliseconds since some fixed start.
  virtual long long nowMs() const = 0;
};

}  // namespace kavel
