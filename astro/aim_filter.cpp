// The 1 Euro filter over the back and top-edge vectors, both smoothed with one factor.
#include "astro/aim_filter.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

// Cut-off at rest: magnetometer noise of a degree or so is damped to a tenth of that.
constexpr double MIN_CUTOFF_HZ = 0.4;
// Cut-off added per radian per second of turning: at 10 degrees a second the lag stays under
// half a degree at 30 readings a second.
constexpr double SPEED_GAIN = 20.0;
// The cut-off of the speed estimate itself.
constexpr double SPEED_CUTOFF_HZ = 1.0;

// The share of a new reading for a first-order low-pass of this cut-off.
double Smoothing(double cutoffHz, double seconds) {
  const double tau = 1.0 / (TWO_PI * cutoffHz);
  return 1.0 / (1.0 + tau / seconds);
}

Vector3 Blend(const Vector3& old, const Vector3& next, double share) {
  return {old.x + share * (next.x - old.x), old.y + share * (next.y - old.y),
          old.z + share * (next.z - old.z)};
}

double AngleBetween(const Vector3& a, const Vector3& b) {
  const double dot = a.x * b.x + a.y * b.y + a.z * b.z;
  const double la = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
  const double lb = std::sqrt(b.x * b.x + b.y * b.y + b.z * b.z);
  if (la * lb <= 0.0) return 0.0;
  return std::acos(std::clamp(dot / (la * lb), -1.0, 1.0));
}

}  // namespace

void AimFilter::Add(const DeviceAxes& axes, double seconds, double turnRate) {
  if (!hasAxes) {
    smoothed = axes;
    speed = 0.0;
    hasAxes = true;
    return;
  }
  const double dt = std::clamp(seconds, 0.001, 1.0);
  const double rate =
      turnRate >= 0.0 ? turnRate
                      : std::max(AngleBetween(smoothed.back, axes.back),
                                 AngleBetween(smoothed.top, axes.top)) / dt;
  speed += Smoothing(SPEED_CUTOFF_HZ, dt) * (rate - speed);
  const double share = Smoothing(MIN_CUTOFF_HZ + SPEED_GAIN * speed, dt);
  smoothed.back = Blend(smoothed.back, axes.back, share);
  smoothed.top = Blend(smoothed.top, axes.top, share);
}

void AimFilter::Reset() {
  hasAxes = false;
  speed = 0.0;
}

}  // namespace halvane
