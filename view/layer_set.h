// LayerSet: which layers a chart draws and the catalog files they read, and their
// conversion to and from the layer flags kept in Config.dat.
#pragma once

#include <cstdint>
#include <string>

namespace halvane {

constexpr uint16_t LAYER_EQUATORIAL_GRID = 1 << 0;
constexpr uint16_t LAYER_HORIZONTAL_GRID = 1 << 1;
constexpr uint16_t LAYER_CONSTELLATION_LINES = 1 << 2;
constexpr uint16_t LAYER_CONSTELLATION_BOUNDARIES = 1 << 3;
// Set means hidden, so files written before the solar system existed show it.
constexpr uint16_t LAYER_SOLAR_SYSTEM_HIDDEN = 1 << 4;
// Not a layer: every layer in the apparent places of the date. Clear in older files.
constexpr uint16_t LAYER_PRECISE_POSITIONS = 1 << 5;

// The layers a new chart shows: the solar system too, whose bit means hidden.
constexpr uint16_t DEFAULT_LAYER_FLAGS = LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES;

// Config.dat's view-layer flags: set means hidden, so files that predate a layer show it.
constexpr uint16_t LAYER_CONSTELLATION_NAMES_HIDDEN = 1 << 0;
constexpr uint16_t LAYER_STAR_NAMES_HIDDEN = 1 << 1;
constexpr uint16_t LAYER_GROUND_HIDDEN = 1 << 2;
constexpr uint16_t LAYER_DAYLIGHT_HIDDEN = 1 << 3;
constexpr uint16_t LAYER_ECLIPTIC_HIDDEN = 1 << 4;
constexpr uint16_t LAYER_DEEP_SKY_HIDDEN = 1 << 5;
constexpr uint16_t LAYER_MILKY_WAY_HIDDEN = 1 << 6;
constexpr uint16_t LAYER_MINOR_BODIES_HIDDEN = 1 << 8;
constexpr uint16_t LAYER_SATELLITES_HIDDEN = 1 << 7;

struct LayerSet {
  // Reads the catalogs from folder (with its trailing '/').
  void UseDataFolder(const std::string& folder);
  // Sets the switches from the bits of flags.
  void ApplyLayerFlags(uint16_t flags);
  // The switches as layer flags.
  uint16_t LayerFlags() const;
  // Sets the switches of the view-layer flags.
  void ApplyViewLayerFlags(uint16_t flags);
  // Those switches as view-layer flags.
  uint16_t ViewLayerFlags() const;

  std::string starsPath;
  std::string linesPath;
  std::string boundariesPath;
  std::string labelsPath;
  std::string namesPath;
  std::string deepSkyPath;
  std::string milkyWayPath;
  std::string faintStarsPath;  // the star layer adds it at narrow fields; empty: never
  std::string skyNamesPath;    // the constellations' and deep-sky objects' names by language
  // The language the chart names the sky in ("de", "pt_BR"); empty: the international names.
  std::string language;
  bool showEquatorialGrid = false;
  bool showHorizontalGrid = true;
  bool showConstellationLines = true;
  bool showConstellationBoundaries = false;
  bool showSolarSystem = true;
  bool precisePositions = false;
  // Off here so that a default set draws the chart as it was; the app and the renderer turn
  // them on.
  bool showConstellationNames = false;
  bool showStarNames = false;
  bool showGround = false;
  bool showDaylight = false;
  bool showEcliptic = false;
  bool showDeepSky = false;
  bool showMilkyWay = false;
  bool showMinorBodies = false;  // comets and asteroids
  bool showSatellites = false;
  // Whole magnitudes added to the faintest star the zoom draws: positive shows fainter stars.
  int32_t starLimitOffset = 0;
};

}  // namespace halvane
