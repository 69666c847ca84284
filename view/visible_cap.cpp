// The visible cap and the latitude band.
#include "view/visible_cap.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "view/projection.h"
#include "view/star_sprites.h"

namespace halvane {

namespace {

constexpr double MAX_RADIUS = PI - 0.002;  // radians: the projection folds the last 0.001

}  // namespace

VisibleCap VisibleCap::ForView(const Projection& view, double margin) {
  double azimuth = 0.0;
  double altitude = 0.0;
  view.GetViewDirection(azimuth, altitude);
  // The circle through the chart's corners (the projection keeps distances from the centre),
  // widened so that a sprite centred just off the chart, which the layers still stamp, and a
  // pixel lost to truncation on either side stay inside.
  const double pad = margin + (STAR_SPRITE_HALF + 2) / view.GetXScale();
  double radius = std::hypot(view.GetFieldOfView() * 0.5 + pad,
                             view.GetFieldOfView() * 0.5 / view.GetAspect() + pad);
  // The projection puts every point within 0.001 rad of the antipode at the chart's
  // centre, so the cap stops short of it. A chart without width keeps its empty cap.
  if (std::isfinite(radius) && radius > MAX_RADIUS) radius = MAX_RADIUS;
  return Around(azimuth, altitude, radius);
}

VisibleCap VisibleCap::Around(double azimuth, double altitude, double radius) {
  VisibleCap cap;
  cap.azimuth = azimuth;
  cap.altitude = altitude;
  cap.sinAltitude = std::sin(altitude);
  cap.cosAltitude = std::cos(altitude);
  cap.centre = DirectionOf(azimuth, altitude);
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
