// The declination and right ascension grid: the grid walk over points fixed to the sky.
#include "view/grid_layers.h"

#include "astro/observer.h"
#include "view/grid_walk.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

Rotation SkyFixed(const Observer& observer, double siderealAngle) {
  return observer.EquatorialToHorizontal(siderealAngle);
}

constexpr GridSystem EQUATORIAL_GRID = {SkyFixed, FormatDegreesLabel, FormatHoursLabel};

}  // namespace

void DrawEquatorialGrid(const Projection& projection, const LayerSet& layers, Surface& surface,
                        double siderealAngle) {
  if (!layers.showEquatorialGrid) return;
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetViewDirection(azimuth, altitude);
  double raMinusLst = 0.0;
  double declination = 0.0;
  projection.GetObserver().HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
  WalkGrid(projection, surface, EQUATORIAL_GRID, declination, siderealAngle);
}

}  // namespace halvane
