// "Point at the sky": while it is on, the chart's view follows where the device's back points
// and its rotation follows the device's roll, from the motion sensors read about 30 times a
// second; a frame is asked for only when the aim moved by more than a quarter of a pixel.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/repeating_timer.h"
#include "platform/sky_pointer.h"
#include "view/projection.h"

namespace halvane {

class PointingMode {
 public:
  // Finds the sensors under iioFolder; while on, each reading is handed to onReading with the
  // seconds since the one before.
  PointingMode(const std::string& iioFolder, std::function<void(double)> onReading);

  bool IsUsable() const { return pointer.IsUsable(); }
  // Why the mode cannot be used; empty when it can.
  const std::string& GetProblem() const { return pointer.GetProblem(); }
  bool IsOn() const { return timer.IsRunning(); }
  // Nothing without usable sensors. Turning on forgets the old smoothing.
  void Start();
  void Stop() { timer.Stop(); }

  // One reading, seconds after the previous one: aims projection. True when the aim moved by
  // more than a quarter of a pixel, so that a new frame is needed.
  bool Follow(double seconds, const CompassCorrection& correction, Projection& projection);
  // Counters for tests and benchmarks: readings taken, frames asked for.
  int32_t GetReadings() const { return readings; }
  int32_t GetFrames() const { return frames; }

 private:
  SkyPointer pointer;
  RepeatingTimer timer;
  std::chrono::steady_clock::time_point lastReading;
  int32_t readings = 0;
  int32_t frames = 0;
};

}  // namespace halvane
