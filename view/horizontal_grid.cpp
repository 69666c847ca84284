// The altitude and azimuth grid: the grid walk over points fixed to the horizon.
#include "view/sky_view.h"

#include "astro/observer.h"
#include "view/grid_walk.h"

namespace halvane {

namespace {

void HorizonFixed(const Observer&, double azimuth, double altitude, double& outAzimuth,
                  double& outAltitude) {
  outAzimuth = azimuth;
  outAltitude = altitude;
}

constexpr GridSystem HORIZONTAL_GRID = {HorizonFixed, FormatDegreesLabel, FormatDegreesLabel};

}  // namespace

void SkyView::DrawHorizontalGrid(Surface& surface) {
  if (!showHorizontalGrid) return;
  double azimuth = 0.0;
  double altitude = 0.0;
  observer->GetViewDirection(azimuth, altitude);
  WalkGrid(*this, surface, HORIZONTAL_GRID, altitude, 0.0);
}

}  // namespace halvane
