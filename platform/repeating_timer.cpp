// RepeatingTimer over QTimer; a precise timer, so that the readings keep their pace.
#include "platform/repeating_timer.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace halvane {

RepeatingTimer::RepeatingTimer(std::function<void()> onTick) : timer(std::make_unique<QTimer>()) {
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer.get(), &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
}

RepeatingTimer::~RepeatingTimer() = default;

void RepeatingTimer::Start(int32_t intervalMs) { timer->start(std::max(intervalMs, int32_t{1})); }

void RepeatingTimer::Stop() { timer->stop(); }

bool RepeatingTimer::IsRunning() const { return timer->isActive(); }

}  // namespace halvane
