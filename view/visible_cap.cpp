// The visible cap and the latitude band.
#include "view/visible_cap.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/observer.h"
#include "view/projection.h"

namespace halvane {

VisibleCap VisibleCap::ForView(const Projection& view, double margin) {
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetObserver().GetViewDirection(azimuth, altitude);
  const double radius =
      (view.GetFieldOfView() * 0.5 + margin) * std::sqrt(1.0 / view.GetAspect() + 1.0);
  return Around(azimuth, altitude, radius);
}

VisibleCap VisibleCap::Around(double azimuth, double altitude, double radius) {
  VisibleCap cap;
  cap.azimuth = azimuth;
  cap.altitude = altitude;
  cap.sinAltitude = std::sin(altitude);
  cap.cosAltitude = std::cos(altitude);
  cap.radius = radius;
  cap.cosRadius = std::cos(radius);
  return cap;
}

void LatitudeBand(double centre, double radius, double& low, double& high) {
  low = -HALF_PI;
  high = HALF_PI;
  const double upper = centre + radius;
  const double lower = centre - radius;
  const double cosCentre = std::cos(centre);
  const bool upperCrosses = std::cos(upper) * cosCentre < 0.0;
  const bool lowerCrosses = std::cos(lower) * cosCentre < 0.0;
  if (upperCrosses && lowerCrosses) return;

  const double a = std::asin(std::sin(upper));
  const double b = std::asin(std::sin(lower));
  if (std::cos(upper) * std::cos(lower) >= 0.0) {
    low = std::min(a, b);
    high = std::max(a, b);
    return;
  }
  // Exactly one edge passes a pole: the band runs up to that pole.
  if (std::sin(centre) >= 0.0) {
    low = std::min(a, b);
    return;
  }
  high = std::max(a, b);
}

}  // namespace halvane
