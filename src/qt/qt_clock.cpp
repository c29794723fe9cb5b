#include "qt/qt_clock.h"

#include <QThread>
#include <QTimer>

namespace kavel {

namespace {

class QtTimerBackend : public TimerBackend {
 public:
  QtTimerBackend() { timer_.setTimerType(Qt::PreciseTimer); }
  void bind(Timer* owner) {
    QObject::connect(&timer_, &QTimer::timeout, [owner] { owner->fire(); });
  }
  void start(int intervalMs) override { timer_.start(intervalMs); }
  void stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> QtClock::createTimer(int intervalMs) {
  auto backend = std::make_unique<QtTimerBackend>();
  QtTimerBackend* raw = backend.get();
  auto timer = std::make_unique<Timer>(std::move(backend), intervalMs);
  raw->bind(timer.get());
  return timer;
}

void QtClock::pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

}  // namespace kavel
