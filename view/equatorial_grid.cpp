// The declination and right ascension grid: the grid walk over points fixed to the sky.
#include "astro/observer.h"
#include "view/frame_context.h"
#include "view/grid_layers.h"
#include "view/grid_walk.h"

namespace halvane {

namespace {

constexpr GridSystem EQUATORIAL_GRID = {FormatDegreesLabel, FormatHoursLabel};

}  // namespace

void DrawEquatorialGrid(const FrameContext& frame, Surface& surface) {
  if (!frame.layers.showEquatorialGrid) return;
  const Observer& observer = frame.Sky().GetObserver();
  double azimuth = 0.0;
  double altitude = 0.0;
  frame.projection.GetViewDirection(azimuth, altitude);
  double raMinusLst = 0.0;
  double declination = 0.0;
  observer.HorizontalToEquatorial(azimuth, altitude, raMinusLst, declination);
  WalkGrid(frame.projection, surface, EQUATORIAL_GRID,
           observer.EquatorialToHorizontal(frame.Sky().GetSiderealAngle()), declination);
}

}  // namespace halvane
