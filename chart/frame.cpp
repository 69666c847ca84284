// Composing one frame: the frame's context, the black chart, then the layers in their fixed
// order, with the progress strip growing on the screen between them, and the names last.
#include "chart/chart.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "catalog/deep_sky_layer.h"
#include "catalog/layer_memory.h"
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
#include "view/star_sprites.h"

namespace halvane {

namespace {

constexpr FramePens PENS = {.bodyName = LABEL_COLOR};
// The stars brighter than 1.5 are offered at every zoom (hundredths of a magnitude).
constexpr int32_t ALWAYS_NAMED = 150;

// The light of the sky at the moment: the night's when the layer is off or there is no Sun.
SkyLight SkyLightOf(const LayerSet& layers, const Moment& moment) {
  if (!layers.showDaylight) return {};
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  if (!sun.available) return {};
  return SkyLightToward(moment.GetSky().ToHorizontal(sun.rightAscension, sun.declination));
}

}  // namespace

void Chart::DrawFrame(Surface& drawSurface, Surface& progressSurface, const Moment& moment) {
  FinishPreparing();
  const SkyLight light = SkyLightOf(layers, moment);
  if (const std::string error = localNames.Load(layers.skyNamesPath, layers.language);
      !error.empty()) {
    std::fprintf(stderr, "halvane: %s\n", PrintableText(error, ECHOED_VALUE_BYTES).c_str());
  }
  std::vector<LabelCandidate> names;
  const FrameContext frame{projection,
                           layers,
                           moment,
                           light,
                           PENS,
                           names,
                           progress,
                           progressSurface,
                           starSprites.get(),
                           satellites.get(),
                           pinnedSatellite,
                           &catalogs,
                           &memory,
                           &skyGlow,
                           &localNames};
  double done = 1.0;
  progress.Show(done, progressSurface);
  drawSurface.FillRect(projection.GetViewRect(), StockBrush::Black);
  DrawSkyGlow(frame, drawSurface);
  DrawMilkyWay(frame, drawSurface);
  // Catalog layers that cannot read their file write their message in the grid's colour.
  drawSurface.SelectPen(PENS.grid);
  drawSurface.SetTextColor(PENS.grid);
  drawSurface.SetTransparentBackground();
  DrawHorizontalGrid(frame, drawSurface);
  progress.Show(done += 1.0, progressSurface);
  DrawEquatorialGrid(frame, drawSurface);
  progress.Show(done += 1.0, progressSurface);
  DrawConstellationLines(frame, drawSurface);
  progress.Show(done += 1.0, progressSurface);
  DrawConstellationBoundaries(frame, drawSurface);
  progress.Show(done += 1.0, progressSurface);
  DrawEcliptic(frame, drawSurface);
  DrawDeepSky(frame, drawSurface);
  DrawStars(frame, drawSurface);
  // Under the planets, which may pass in front.
  DrawMinorBodies(frame, drawSurface);
  DrawSolarSystem(frame, drawSurface);
  DrawSatellites(frame, drawSurface);
  DrawGround(frame, drawSurface);
  AddSkyNames(frame);
  const Rect& chart = projection.GetViewRect();
  const std::vector<PlacedLabel> placed =
      PlaceLabels(names, labelKeepOut, drawSurface, chart, &frameNames);
  FitNamesToSky(names, placed, projection, light);
  frameNames.light = light;
  DrawPlacedLabels(drawSurface, names, placed, chart);
}

void Chart::AddSkyNames(const FrameContext& frame) {
  if (!layers.showStarNames && !layers.showConstellationNames) return;
  skyLabelNames.Load(layers);
  const SkyPlaces& sky = frame.Sky();
  if (layers.showStarNames) {
    const int32_t limit = std::min(
        frame.SkyFaintest(),
        std::max(ALWAYS_NAMED, StarNameLimit(projection.GetFieldOfView(), layers.starLimitOffset)));
    AddStarNames(projection, skyLabelNames, sky, limit, layers.showGround, PENS.starName,
                 frame.labels);
    // Greek letters join the star names where the faint stars do.
    if (ShowsCloseDetail(projection.GetFieldOfView())) {
      bayerLetters.Load(layers.namesPath);
      AddStarNames(projection, bayerLetters.Stars(), sky, limit, layers.showGround, PENS.starName,
                   frame.labels);
    }
  }
  if (layers.showConstellationNames) {
    AddConstellationNames(projection, skyLabelNames, localNames, sky, layers.showGround,
                          PENS.constellationName, frame.labels);
  }
}

}  // namespace halvane
