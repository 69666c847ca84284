// The layer switches and catalog paths of a chart.
#include "view/layer_set.h"

namespace halvane {

void LayerSet::UseDataFolder(const std::string& folder) {
  starsPath = folder + "Stars.dat";
  linesPath = folder + "ConLin.dat";
  boundariesPath = folder + "ConBon.dat";
  labelsPath = folder + "Labels.dat";
  namesPath = folder + "Names.dat";
  deepSkyPath = folder + "DeepSky.dat";
  milkyWayPath = folder + "MilkyWay.dat";
  faintStarsPath = folder + "FaintStars.dat";
  skyNamesPath = folder + "SkyNames.dat";
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

void LayerSet::ApplyViewLayerFlags(uint16_t flags) {
  showConstellationNames = (flags & LAYER_CONSTELLATION_NAMES_HIDDEN) == 0;
  showStarNames = (flags & LAYER_STAR_NAMES_HIDDEN) == 0;
  showGround = (flags & LAYER_GROUND_HIDDEN) == 0;
  showDaylight = (flags & LAYER_DAYLIGHT_HIDDEN) == 0;
  showEcliptic = (flags & LAYER_ECLIPTIC_HIDDEN) == 0;
  showDeepSky = (flags & LAYER_DEEP_SKY_HIDDEN) == 0;
  showMilkyWay = (flags & LAYER_MILKY_WAY_HIDDEN) == 0;
  showMinorBodies = (flags & LAYER_MINOR_BODIES_HIDDEN) == 0;
  showSatellites = (flags & LAYER_SATELLITES_HIDDEN) == 0;
}

uint16_t LayerSet::ViewLayerFlags() const {
  uint16_t flags = 0;
  if (!showConstellationNames) flags |= LAYER_CONSTELLATION_NAMES_HIDDEN;
  if (!showStarNames) flags |= LAYER_STAR_NAMES_HIDDEN;
  if (!showGround) flags |= LAYER_GROUND_HIDDEN;
  if (!showDaylight) flags |= LAYER_DAYLIGHT_HIDDEN;
  if (!showEcliptic) flags |= LAYER_ECLIPTIC_HIDDEN;
  if (!showDeepSky) flags |= LAYER_DEEP_SKY_HIDDEN;
  if (!showMilkyWay) flags |= LAYER_MILKY_WAY_HIDDEN;
  if (!showMinorBodies) flags |= LAYER_MINOR_BODIES_HIDDEN;
  if (!showSatellites) flags |= LAYER_SATELLITES_HIDDEN;
  return flags;
}

}  // namespace halvane
