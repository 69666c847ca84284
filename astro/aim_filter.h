// Smooths the device's axes so that the chart stays still in a still hand and keeps up with a
// slow turn: an exponential low-pass whose cut-off rises with the speed of the turn.
// Source: Casiez, Roussel and Vogel, "1 Euro Filter: A Simple Speed-based Low-pass Filter for
// Noisy Input in Interactive Systems", CHI 2012.
#pragma once

#include "astro/device_orientation.h"

namespace halvane {

class AimFilter {
 public:
  // Takes one reading, seconds after the previous one (clamped to 1 ms .. 1 s). turnRate is a
  // gyroscope's angular speed in radians per second, or negative without one: the speed is then
  // taken from the change of the readings. The first reading is taken as it is.
  void Add(const DeviceAxes& axes, double seconds, double turnRate);
  // False until the first reading.
  bool HasAxes() const { return hasAxes; }
  const DeviceAxes& GetAxes() const { return smoothed; }
  // Forgets every reading: the next one is taken as it is.
  void Reset();

 private:
  DeviceAxes smoothed{};
  DeviceAxes velocity{};  // change of each axis per second, itself smoothed
  bool hasAxes = false;
};

}  // namespace halvane
