// The altitude and azimuth grid: the grid walk over points fixed to the horizon.
#include "view/frame_context.h"
#include "view/grid_layers.h"
#include "view/grid_walk.h"

namespace halvane {

namespace {

constexpr GridSystem HORIZONTAL_GRID = {FormatDegreesLabel, FormatDegreesLabel};
constexpr Rotation HORIZON_FIXED = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};

}  // namespace

void DrawHorizontalGrid(const FrameContext& frame, Surface& surface) {
  if (!frame.layers.showHorizontalGrid) return;
  double azimuth = 0.0;
  double altitude = 0.0;
  frame.projection.GetViewDirection(azimuth, altitude);
  WalkGrid(frame.projection, surface, HORIZONTAL_GRID, HORIZON_FIXED, altitude);
}

}  // namespace halvane
