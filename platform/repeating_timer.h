// A timer of the event loop that calls back at a fixed interval while it runs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;

namespace halvane {

class RepeatingTimer {
 public:
  // onTick is called from the event loop at each interval, never during Start or Stop.
  explicit RepeatingTimer(std::function<void()> onTick);
  ~RepeatingTimer();
  RepeatingTimer(const RepeatingTimer&) = delete;
  RepeatingTimer& operator=(const RepeatingTimer&) = delete;

  // Starts, or restarts, with this interval in milliseconds (at least 1).
  void Start(int32_t intervalMs);
  void Stop();
  bool IsRunning() const;

 private:
  std::unique_ptr<QTimer> timer;
};

}  // namespace halvane
