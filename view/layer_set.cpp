// The layer switches and catalog paths of a chart.
#include "view/layer_set.h"

namespace halvane {

void LayerSet::UseDataFolder(const std::string& folder) {
  starsPath = folder + "Stars.dat";
  linesPath = folder + "ConLin.dat";
  boundariesPath = folder + "ConBon.dat";
  labelsPath = folder + "Labels.dat";
}

void LayerSet::ApplyLayerFlags(uint16_t flags) {
  showEquatorialGrid = (flags & LAYER_EQUATORIAL_GRID) != 0;
  showHorizontalGrid = (flags & LAYER_HORIZONTAL_GRID) != 0;
  showConstellationLines = (flags & LAYER_CONSTELLATION_LINES) != 0;
  showConstellationBoundaries = (flags & LAYER_CONSTELLATION_BOUNDARIES) != 0;
  showSolarSystem = (flags & LAYER_SOLAR_SYSTEM_HIDDEN) == 0;
  precisePositions = (flags & LAYER_PRECISE_POSITIONS) != 0;
}

uint16_t LayerSet::LayerFlags() const {
  uint16_t flags = 0;
  if (showEquatorialGrid) flags |= LAYER_EQUATORIAL_GRID;
  if (showHorizontalGrid) flags |= LAYER_HORIZONTAL_GRID;
  if (showConstellationLines) flags |= LAYER_CONSTELLATION_LINES;
  if (showConstellationBoundaries) flags |= LAYER_CONSTELLATION_BOUNDARIES;
  if (!showSolarSystem) flags |= LAYER_SOLAR_SYSTEM_HIDDEN;
  if (precisePositions) flags |= LAYER_PRECISE_POSITIONS;
  return flags;
}

}  // namespace halvane
