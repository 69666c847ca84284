// Composing one frame: the black chart, the pens, then the layers in their fixed order, with
// the progress strip growing on the screen between them.
#include "view/sky_view.h"

namespace halvane {

namespace {

constexpr Color GRID_COLOR = MakeColor(0x40, 0x40, 0x40);
constexpr Color LINE_COLOR = MakeColor(0x40, 0x40, 0x80);
constexpr Color BOUNDARY_COLOR = MakeColor(0x40, 0x60, 0x60);

}  // namespace

void SkyView::DrawFrame(Surface& drawSurface, Surface& progressSurface, double siderealAngle) {
  progress = 1.0;
  ShowProgress(progressSurface);
  drawSurface.FillRect(viewRect, StockBrush::Black);
  // Catalog layers that cannot read their file write their message in the grid's colour.
  drawSurface.SelectPen(GRID_COLOR);
  drawSurface.SetTextColor(GRID_COLOR);
  drawSurface.SetTransparentBackground();

  DrawHorizontalGrid(drawSurface);
  progress += 1.0;
  ShowProgress(progressSurface);

  DrawEquatorialGrid(drawSurface, siderealAngle);
  progress += 1.0;
  ShowProgress(progressSurface);

  drawSurface.SelectPen(LINE_COLOR);
  DrawConstellationLines(drawSurface, siderealAngle);
  progress += 1.0;
  ShowProgress(progressSurface);

  // The boundary pen stays selected while the stars are drawn.
  drawSurface.SelectPen(BOUNDARY_COLOR);
  DrawConstellationBoundaries(drawSurface, siderealAngle);
  progress += 1.0;
  ShowProgress(progressSurface);

  DrawStars(drawSurface, progressSurface, siderealAngle);
}

}  // namespace halvane
