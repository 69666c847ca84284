// The view direction and rotation, and the view-plane transforms.
#include "view/view_orientation.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double ROTATION_STEP = 15 * DEG_TO_RAD;  // radians
constexpr double SMALL_DISTANCE = 0.001;           // radians, below it the scale factor is 1

// Rounding can push a sine or cosine just past 1; asin and acos would then give NaN.
double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

ViewOrientation::ViewOrientation() : viewAltitude(HALF_PI) { Recompute(); }

void ViewOrientation::Recompute() {
  cosRotation = std::cos(rotation);
  sinRotation = std::sin(rotation);
  sinViewAltitude = std::sin(viewAltitude);
  cosViewAltitude = std::cos(viewAltitude);
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

void ViewOrientation::HorizontalToView(double azimuth, double altitude, double& x,
                                       double& y) const {
  const double dA = viewAzimuth - azimuth;
  const double cosH = std::cos(altitude);
  const double sinH = std::sin(altitude);
  const double cosDA = std::cos(dA);
  const double c = std::acos(ClampUnit(cosViewAltitude * cosH * cosDA + sinViewAltitude * sinH));
  const double sinC = std::sin(c);
  const double k = std::fabs(sinC) < SMALL_DISTANCE ? 1.0 : c / sinC;
  const double x0 = -((k * cosH) * std::sin(dA));
  const double y0 = (cosViewAltitude * sinH - (sinViewAltitude * cosH) * cosDA) * k;
  x = sinRotation * y0 + cosRotation * x0;
  y = cosRotation * y0 - sinRotation * x0;
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
  const double m = std::fabs(c) < SMALL_DISTANCE ? 1.0 : sinC / c;
  altitude = std::asin(ClampUnit((cosViewAltitude * m) * v + sinViewAltitude * cosC));
  const double dA =
      std::atan2(sinC * s, (cosViewAltitude * cosC) * c - (sinViewAltitude * sinC) * v);
  azimuth = NormalizeAngle(viewAzimuth - dA, TWO_PI);
}

}  // namespace halvane
