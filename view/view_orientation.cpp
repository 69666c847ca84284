// The view direction and rotation, and the view-plane transforms.
#include "view/view_orientation.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double ROTATION_STEP = 15 * DEG_TO_RAD;  // radians

// Rounding can push a sine or cosine just past 1; asin and acos would then give NaN.
double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

ViewOrientation::ViewOrientation() : viewAltitude(HALF_PI) { Recompute(); }

void ViewOrientation::Recompute() {
  cosRotation = std::cos(rotation);
  sinRotation = std::sin(rotation);
  sinViewAltitude = std::sin(viewAltitude);
  cosViewAltitude = std::cos(viewAltitude);
  const double cosAzimuth = std::cos(viewAzimuth);
  const double sinAzimuth = std::sin(viewAzimuth);
  // The picture's right and top before it is turned: along the horizon, and towards the zenith.
  const Direction right{-sinAzimuth, cosAzimuth, 0.0};
  const Direction up{-sinViewAltitude * cosAzimuth, -sinViewAltitude * sinAzimuth, cosViewAltitude};
  toRight = {cosRotation * right.x + sinRotation * up.x, cosRotation * right.y + sinRotation * up.y,
             sinRotation * up.z};
  toUp = {cosRotation * up.x - sinRotation * right.x, cosRotation * up.y - sinRotation * right.y,
          cosRotation * up.z};
  toCentre = {cosViewAltitude * cosAzimuth, cosViewAltitude * sinAzimuth, sinViewAltitude};
}

void ViewOrientation::GetViewDirection(double& azimuth, double& altitude) const {
  azimuth = viewAzimuth;
  altitude = viewAltitude;
}

void ViewOrientation::PanView(double dAzimuth, double dAltitude) {
  viewAzimuth = NormalizeAngle((viewAzimuth + TWO_PI) + dAzimuth, TWO_PI);
  viewAltitude = NormalizeAngle((viewAltitude + TWO_PI) + dAltitude, TWO_PI);
  Recompute();
}

void ViewOrientation::SetViewDirection(double azimuth, double altitude) {
  viewAzimuth = NormalizeAngle(azimuth, TWO_PI);
  viewAltitude = NormalizeAngle(altitude, TWO_PI);
  Recompute();
}

void ViewOrientation::SetRotation(double radians) {
  rotation = radians;
  Recompute();
}

void ViewOrientation::RotateClockwise() {
  rotation = rotation + ROTATION_STEP;
  Recompute();
}

void ViewOrientation::RotateCounterClockwise() {
  rotation = rotation - ROTATION_STEP;
  Recompute();
}

void ViewOrientation::ViewToHorizontal(double x, double y, double& azimuth,
                                       double& altitude) const {
  const double s = -(cosRotation * x - sinRotation * y);
  const double v = sinRotation * x + cosRotation * y;
  double c = std::sqrt(v * v + s * s);
  // Squares of huge view coordinates overflow; the distance itself does not.
  if (std::isinf(c)) c = std::hypot(v, s);
  const double sinC = std::sin(c);
  const double cosC = std::cos(c);
  const double m = std::fabs(c) < SMALL_VIEW_DISTANCE ? 1.0 : sinC / c;
  altitude = std::asin(ClampUnit((cosViewAltitude * m) * v + sinViewAltitude * cosC));
  const double dA =
      std::atan2(sinC * s, (cosViewAltitude * cosC) * c - (sinViewAltitude * sinC) * v);
  azimuth = NormalizeAngle(viewAzimuth - dA, TWO_PI);
}

}  // namespace halvane
