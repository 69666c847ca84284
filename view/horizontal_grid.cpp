// The altitude and azimuth grid: the grid walk over points fixed to the horizon.
#include "view/grid_layers.h"

#include "astro/observer.h"
#include "view/grid_walk.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

Rotation HorizonFixed(const Observer&, double) {
  return {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
}

constexpr GridSystem HORIZONTAL_GRID = {HorizonFixed, FormatDegreesLabel, FormatDegreesLabel};

}  // namespace

void DrawHorizontalGrid(const Projection& projection, const LayerSet& layers, Surface& surface) {
  if (!layers.showHorizontalGrid) return;
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.GetViewDirection(azimuth, altitude);
  WalkGrid(projection, surface, HORIZONTAL_GRID, altitude, 0.0);
}

}  // namespace halvane
