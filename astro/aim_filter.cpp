// The 1 Euro filter over the back and top-edge vectors, both smoothed with one factor.
#include "astro/aim_filter.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

// Cut-off at rest: a magnetometer's scatter of a degree is damped to a quarter of that.
constexpr double MIN_CUTOFF_HZ = 0.3;
// Cut-off added per radian per second of turning, as the readings' change shows it: at 10
// degrees a second the chart trails by about a degree.
constexpr double SPEED_GAIN = 2.3;
// The same for a gyroscope's turn rate, which is the true speed without the lag the change of
// readings adds to it, and clean enough to open the filter wider.
constexpr double GYROSCOPE_SPEED_GAIN = 8.0;
// The cut-off of the velocity estimate itself.
constexpr double VELOCITY_CUTOFF_HZ = 1.0;

// The share of a new reading for a first-order low-pass of this cut-off.
double Smoothing(double cutoffHz, double seconds) {
  const double tau = 1.0 / (TWO_PI * cutoffHz);
  return 1.0 / (1.0 + tau / seconds);
}

Vector3 Blend(const Vector3& old, const Vector3& next, double share) {
  return {old.x + share * (next.x - old.x), old.y + share * (next.y - old.y),
          old.z + share * (next.z - old.z)};
}

Vector3 Rate(const Vector3& from, const Vector3& to, double seconds) {
  return {(to.x - from.x) / seconds, (to.y - from.y) / seconds, (to.z - from.z) / seconds};
}

double Length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

void AimFilter::Add(const DeviceAxes& axes, double seconds, double turnRate) {
  if (!hasAxes) {
    smoothed = axes;
    velocity = {};
    hasAxes = true;
    return;
  }
  const double dt = std::clamp(seconds, 0.001, 1.0);
  // The velocity keeps its sign, so that noise averages out and only a real turn remains.
  const double velocityShare = Smoothing(VELOCITY_CUTOFF_HZ, dt);
  velocity.back = Blend(velocity.back, Rate(smoothed.back, axes.back, dt), velocityShare);
  velocity.top = Blend(velocity.top, Rate(smoothed.top, axes.top, dt), velocityShare);
  const double cutoff =
      MIN_CUTOFF_HZ + (turnRate >= 0.0
                           ? GYROSCOPE_SPEED_GAIN * turnRate
                           : SPEED_GAIN * std::max(Length(velocity.back), Length(velocity.top)));
  const double share = Smoothing(cutoff, dt);
  smoothed.back = Blend(smoothed.back, axes.back, share);
  smoothed.top = Blend(smoothed.top, axes.top, share);
}

void AimFilter::Reset() {
  hasAxes = false;
  velocity = {};
}

}  // namespace halvane
