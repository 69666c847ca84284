// The visible cap (the circle of sky around the view centre that a layer draws) and the
// band of latitudes such a cap covers; every layer culls with these two.
#pragma once

#include <cmath>

#include "astro/direction.h"

namespace halvane {

class Projection;

struct VisibleCap {
  // The cap of the view's current direction: every point whose sprite or line can reach a
  // pixel of the chart, out to margin (radians) beyond each edge, and never the antipode.
  // margin is 0 for the catalog layers and one grid step for the grids.
  static VisibleCap ForView(const Projection& view, double margin);
  // A cap of the given radius (radians) around (azimuth, altitude) (radians).
  static VisibleCap Around(double azimuth, double altitude, double radius);

  // True when the horizontal direction lies at most radius from the centre (boundary included).
  bool Contains(const Direction& point) const { return cosRadius <= Dot(centre, point); }

  double azimuth = 0.0;   // A0, the view centre's azimuth, radians
  double altitude = 0.0;  // h0, the view centre's altitude, radians (may lie past the zenith)
  double sinAltitude = 0.0;
  double cosAltitude = 1.0;
  Direction centre;     // the same centre as a horizontal direction
  double radius = 0.0;  // R, radians
  double cosRadius = 1.0;
};

// The lowest and highest latitude (altitude or declination, radians, both within
// [-HALF_PI, HALF_PI]) of a cap of the given radius whose centre lies at latitude centre;
// centre may lie beyond a pole (a view carried over the zenith). A cap that reaches a pole
// extends the band to it; one that reaches past both gives the full band.
void LatitudeBand(double centre, double radius, double& low, double& high);

}  // namespace halvane
