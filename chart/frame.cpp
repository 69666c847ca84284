// Composing one frame: the black chart, the pens, then the layers in their fixed order, with
// the progress strip growing on the screen between them.
#include "chart/chart.h"

#include "catalog/deep_sky_layer.h"
#include "catalog/milky_way_layer.h"
#include "chart/label_overlay.h"
#include "view/grid_layers.h"
#include "view/solar_system_layer.h"

namespace halvane {

namespace {

constexpr Color GRID_COLOR = MakeColor(0x40, 0x40, 0x40);
constexpr Color LINE_COLOR = MakeColor(0x40, 0x40, 0x80);
constexpr Color BOUNDARY_COLOR = MakeColor(0x40, 0x60, 0x60);
constexpr Color DEEP_SKY_COLOR = MakeColor(0x50, 0x68, 0x88);

}  // namespace

void Chart::DrawFrame(Surface& drawSurface, Surface& progressSurface, const Moment& moment) {
  const SkyPlaces& sky = moment.GetSky();
  double done = 1.0;
  progress.Show(done, progressSurface);
  drawSurface.FillRect(projection.GetViewRect(), StockBrush::Black);
  if (layers.showMilkyWay) DrawMilkyWay(projection, layers, milkyWayLayer, drawSurface, sky);
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

  if (layers.showDeepSky) {
    drawSurface.SelectPen(DEEP_SKY_COLOR);
    DrawDeepSky(projection, layers, deepSkyLayer, drawSurface, sky);
    drawSurface.SelectPen(BOUNDARY_COLOR);
  } else {
    deepSkyLayer = {};
  }

  DrawStars(projection, layers, starLayer, drawSurface, progress, progressSurface, sky);

  if (layers.showSolarSystem) {
    DrawSolarSystem(projection, layers, drawSurface, moment.GetBodies(), sky, LABEL_COLOR);
  }
}

}  // namespace halvane
