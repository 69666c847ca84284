// Tilt-compensated compass: east is the field crossed with up, north is up crossed with east.
#include "astro/device_orientation.h"

#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Scales v to length 1; false for a zero or non-finite vector.
bool Normalise(Vector3& v) {
  const double length = std::sqrt(Dot(v, v));
  if (!std::isfinite(length) || length < 1e-300) return false;
  v = {v.x / length, v.y / length, v.z / length};
  return true;
}

// Angles whose sine is this small or less make the cross products meaningless.
constexpr double PARALLEL_LIMIT = 1e-6;

}  // namespace

bool AxesFromGravityAndField(const Vector3& up, const Vector3& field, DeviceAxes& axes) {
  Vector3 u = up;
  Vector3 b = field;
  if (!Normalise(u) || !Normalise(b)) return false;
  Vector3 e = Cross(b, u);
  if (std::sqrt(Dot(e, e)) < PARALLEL_LIMIT || !Normalise(e)) return false;
  const Vector3 n = Cross(u, e);
  // The rows e, n, u turn device vectors into world ones: the back is -z, the top +y.
  axes.back = {-e.z, -n.z, -u.z};
  axes.top = {e.y, n.y, u.y};
  return true;
}

DeviceAim AimOfAxes(const DeviceAxes& axes) {
  Vector3 back = axes.back;
  if (!Normalise(back)) back = {0.0, 1.0, 0.0};
  Vector3 top = axes.top;
  const double along = Dot(top, back);
  top = {top.x - along * back.x, top.y - along * back.y, top.z - along * back.z};
  if (!Normalise(top)) top = {0.0, 0.0, 1.0};

  DeviceAim aim{};
  aim.altitude = std::asin(std::fmax(-1.0, std::fmin(1.0, back.z)));
  const double horizontal = std::hypot(back.x, back.y);
  if (horizontal < PARALLEL_LIMIT) {
    // Looking up, the screen's top edge leans towards the azimuth behind the view; looking
    // down, towards the view's own.
    const double sign = back.z > 0.0 ? -1.0 : 1.0;
    aim.azimuth = WrapToTurn(std::atan2(sign * top.x, sign * top.y));
    aim.roll = 0.0;
    return aim;
  }
  aim.azimuth = WrapToTurn(std::atan2(back.x, back.y));
  // The highest direction square to the view, and the one to its right as the user sees it.
  Vector3 highest = {-back.z * back.x, -back.z * back.y, 1.0 - back.z * back.z};
  Normalise(highest);
  const Vector3 right = Cross(back, highest);
  aim.roll = std::atan2(Dot(top, right), Dot(top, highest));
  return aim;
}

}  // namespace halvane
