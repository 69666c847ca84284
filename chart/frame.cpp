// Composing one frame: the black chart, the pens, then the layers in their fixed order, with
// the progress strip growing on the screen between them.
#include "chart/chart.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "catalog/deep_sky_layer.h"
#include "catalog/milky_way_layer.h"
#include "catalog/minor_body_layer.h"
#include "chart/label_overlay.h"
#include "chart/label_placement.h"
#include "platform/printable_text.h"
#include "view/close_detail.h"
#include "view/ecliptic_layer.h"
#include "view/grid_layers.h"
#include "view/ground_layer.h"
#include "view/sky_light.h"
#include "view/solar_system_layer.h"

namespace halvane {

namespace {

constexpr Color GRID_COLOR = MakeColor(0x40, 0x40, 0x40);
constexpr Color LINE_COLOR = MakeColor(0x40, 0x40, 0x80);
constexpr Color BOUNDARY_COLOR = MakeColor(0x40, 0x60, 0x60);
constexpr Color DEEP_SKY_COLOR = MakeColor(0x50, 0x68, 0x88);
constexpr int32_t ALWAYS_NAMED = 150;  // hundredths of a magnitude
constexpr Color DEEP_SKY_NAME_COLOR = MakeColor(0x70, 0x88, 0xA8);
constexpr Color ECLIPTIC_COLOR = MakeColor(0x70, 0x60, 0x30);
constexpr Color GROUND_COLOR = MakeColor(0x2C, 0x24, 0x18);
constexpr Color HORIZON_COLOR = MakeColor(0x80, 0x6C, 0x48);
constexpr Color DIRECTION_COLOR = MakeColor(0xD0, 0xB0, 0x78);
constexpr Color STAR_NAME_COLOR = MakeColor(0xA0, 0xA0, 0xB0);
constexpr Color CONSTELLATION_NAME_COLOR = MakeColor(0x60, 0x70, 0x90);

// Satellites show against a sky no lighter than the Sun 6 degrees down gives.
constexpr double TWILIGHT_SUN = -6.0 * DEG_TO_RAD;

// The Sun's altitude at the moment, radians; +90 degrees without a Sun.
double SunAltitudeOf(const Projection& projection, const Moment& moment) {
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  if (!sun.available) return HALF_PI;
  double azimuth = 0.0;
  double altitude = 0.0;
  moment.GetSky().ToHorizontal(projection.GetObserver(), sun.rightAscension, sun.declination,
                               azimuth, altitude);
  return altitude;
}

// The light of the sky at the moment: the night's when the layer is off or there is no Sun.
SkyLight SkyLightOf(const LayerSet& layers, const Projection& projection, const Moment& moment) {
  if (!layers.showDaylight) return {};
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  if (!sun.available) return {};
  return SkyLightToward(
      projection.SkyToHorizontal(moment.GetSky(), sun.rightAscension, sun.declination));
}

}  // namespace

void Chart::DrawFrame(Surface& drawSurface, Surface& progressSurface, const Moment& moment) {
  FinishPreparing();
  const SkyPlaces& sky = moment.GetSky();
  double done = 1.0;
  progress.Show(done, progressSurface);
  drawSurface.FillRect(projection.GetViewRect(), StockBrush::Black);
  const SkyLight light = SkyLightOf(layers, projection, moment);
  if (!light.dark) skyGlow.Draw(projection, drawSurface, light);
  // The daylight sky hides the Milky Way.
  if (layers.showMilkyWay && light.dark) {
    DrawMilkyWay(projection, layers, milkyWayLayer, drawSurface, sky);
  }
  // Catalog layers that cannot read their file write their message in the grid's colour.
  drawSurface.SelectPen(GRID_COLOR);
  drawSurface.SetTextColor(GRID_COLOR);
  drawSurface.SetTransparentBackground();

  DrawHorizontalGrid(projection, layers, drawSurface);
  progress.Show(done += 1.0, progressSurface);

  // Turned by the apparent sidereal angle, the grid shows the equator of the date.
  DrawEquatorialGrid(projection, layers, drawSurface, sky.GetSiderealAngle());
  progress.Show(done += 1.0, progressSurface);

  drawSurface.SelectPen(LINE_COLOR);
  DrawConstellationLines(projection, layers, drawSurface, sky);
  progress.Show(done += 1.0, progressSurface);

  // The boundary pen stays selected while the stars are drawn.
  drawSurface.SelectPen(BOUNDARY_COLOR);
  DrawConstellationBoundaries(projection, layers, drawSurface, sky);
  progress.Show(done += 1.0, progressSurface);

  std::vector<LabelCandidate> names;
  if (layers.showEcliptic) {
    DrawEcliptic(projection, drawSurface, sky, layers.precisePositions, moment.GetJulianDayTt(),
                 ECLIPTIC_COLOR, layers.showGround, names);
  }

  const int32_t skyFaintest =
      light.dark ? INT32_MAX : static_cast<int32_t>(std::floor(light.faintestMagnitude * 100.0));
  starLayer.skyFaintest = skyFaintest;

  if (layers.showDeepSky) {
    drawSurface.SelectPen(DEEP_SKY_COLOR);
    deepSkyLayer.skyFaintest = skyFaintest;
    DrawDeepSky(projection, layers, deepSkyLayer, drawSurface, sky);
    drawSurface.SelectPen(BOUNDARY_COLOR);
  } else {
    deepSkyLayer = {};
  }

  DrawStars(projection, layers, starLayer, drawSurface, progress, progressSurface, sky);

  // Under the planets, which may pass in front; a moment without elements asks for no places.
  if (layers.showMinorBodies && !moment.GetMinorBodyList()->empty()) {
    DrawMinorBodies(projection, layers, drawSurface, *moment.GetMinorBodyList(),
                    moment.GetMinorBodies(), sky,
                    MinorBodyLimit(projection, layers, light.faintestMagnitude), layers.showGround,
                    LABEL_COLOR, names);
  }
  if (layers.showSolarSystem) {
    // A body fainter than the stars around it is named only where its field is narrow.
    const double namedMagnitude = ShowsCloseDetail(projection.GetFieldOfView())
                                      ? std::numeric_limits<double>::infinity()
                                      : StarLayerLimit(layers, projection.GetFieldOfView()) / 100.0;
    const BodyFilter filter{light.faintestMagnitude, layers.showGround, namedMagnitude};
    DrawSolarSystem(projection, layers, drawSurface, moment.GetBodies(), sky, LABEL_COLOR, filter,
                    names);
  }
  if (layers.showSatellites && satelliteLayer.set) {
    DrawSatellites(projection, satelliteLayer, drawSurface, moment,
                   !layers.showDaylight || SunAltitudeOf(projection, moment) <= TWILIGHT_SUN,
                   LABEL_COLOR, names);
  } else {
    satelliteLayer.fastestPixelsPerSecond = 0.0;
  }
  if (layers.showGround) {
    DrawGround(projection, drawSurface, GROUND_COLOR, HORIZON_COLOR, DIRECTION_COLOR, names);
  }
  if (layers.showStarNames || layers.showConstellationNames) skyLabelNames.Load(layers);
  if (layers.showStarNames) {
    // The stars brighter than 1.5 are offered at every zoom.
    const int32_t limit = std::min(
        skyFaintest,
        std::max(ALWAYS_NAMED, StarNameLimit(projection.GetFieldOfView(), layers.starLimitOffset)));
    AddStarNames(projection, skyLabelNames, sky, limit, layers.showGround, STAR_NAME_COLOR, names);
    if (ShowsCloseDetail(projection.GetFieldOfView())) {
      bayerLetters.Load(layers.namesPath);
      AddStarNames(projection, bayerLetters.Stars(), sky, limit, layers.showGround, STAR_NAME_COLOR,
                   names);
    }
  }
  if (const std::string error = localNames.Load(layers.skyNamesPath, layers.language);
      !error.empty()) {
    std::fprintf(stderr, "halvane: %s\n", PrintableText(error, ECHOED_VALUE_BYTES).c_str());
  }
  if (layers.showConstellationNames) {
    AddConstellationNames(projection, skyLabelNames, localNames, sky, layers.showGround,
                          CONSTELLATION_NAME_COLOR, names);
  }
  for (LabelCandidate name : deepSkyLayer.names) {
    name.text = localNames.DeepSky(name.text);
    name.color = DEEP_SKY_NAME_COLOR;
    names.push_back(std::move(name));
  }
  const Rect& chart = projection.GetViewRect();
  const std::vector<PlacedLabel> placed =
      PlaceLabels(names, labelKeepOut, drawSurface, chart, &frameNames);
  FitNamesToSky(names, placed, projection, light);
  frameNames.light = light;
  DrawPlacedLabels(drawSurface, names, placed, chart);
}

}  // namespace halvane
