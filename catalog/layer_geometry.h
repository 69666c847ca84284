// Small steps that the catalog layers share: projecting a horizontal position to a pixel and
// telling usable coordinates from damaged ones.
#pragma once

#include <cmath>

#include "astro/observer.h"
#include "platform/surface.h"
#include "view/sky_view.h"

namespace halvane {

// Horizontal position (radians) to client pixel through the observer's projection and the
// view's scale.
inline Point ProjectToScreen(const SkyView& view, double azimuth, double altitude) {
  double x = 0.0;
  double y = 0.0;
  view.observer->HorizontalToView(azimuth, altitude, x, y);
  Point p;
  view.ViewToScreen(x, y, p.x, p.y);
  return p;
}

// A damaged catalog may hold NaN or infinities; such a position is never drawn.
inline bool IsUsablePosition(double rightAscension, double declination) {
  return std::isfinite(rightAscension) && std::isfinite(declination);
}

}  // namespace halvane
