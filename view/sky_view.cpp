// SkyView's state and its mapping between the view plane and client pixels.
#include "view/sky_view.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "platform/bitmaps.h"

namespace halvane {

namespace {

// A point can project far off the chart; beyond this many pixels its exact place no longer
// matters, and clamping keeps the conversion to int32 defined.
constexpr double PIXEL_LIMIT = 1.0e6;

// Truncation towards zero, clamped to +-PIXEL_LIMIT; a NaN goes far off the chart too.
int64_t TruncateClamped(double value) {
  if (std::isnan(value)) return static_cast<int64_t>(PIXEL_LIMIT);
  if (value >= PIXEL_LIMIT) return static_cast<int64_t>(PIXEL_LIMIT);
  if (value <= -PIXEL_LIMIT) return -static_cast<int64_t>(PIXEL_LIMIT);
  return static_cast<int64_t>(value);
}

int32_t ToInt32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The grid densities the chart can choose from, scanned from the largest.
constexpr int32_t GRID_DIVISION_TABLE[] = {360, 180, 36, 18, 12, 9, 6};

}  // namespace

SkyView::SkyView(const Rect& rect, Observer* observerToShow)
    : observer(observerToShow),
      fieldOfView(DEG_TO_RAD * 90.0),
      xFactor(1.0),
      yFactor(1.0),
      viewRect(rect) {
  UpdateProjection();
  starSprites = LoadBitmap(BitmapId::StarSprites);
  viewWidth = ToInt32(int64_t{viewRect.right} - viewRect.left);
  progressRect = viewRect;
  progressRect.bottom = ToInt32(int64_t{viewRect.top} + 5);
  starCount = 0;
  progress = 0.0;
  showEquatorialGrid = false;
  showHorizontalGrid = true;
  showConstellationLines = true;
  showConstellationBoundaries = false;
}

SkyView::~SkyView() = default;

void SkyView::UpdateProjection() {
  const double width = static_cast<double>(int64_t{viewRect.right} - viewRect.left);
  const double height = static_cast<double>(int64_t{viewRect.bottom} - viewRect.top);
  aspect = width / height;
  centerX = static_cast<int32_t>((int64_t{viewRect.left} + viewRect.right) / 2);
  centerY = static_cast<int32_t>((int64_t{viewRect.top} + viewRect.bottom) / 2);
  const double r = 1.0 / fieldOfView;
  xScale = (xFactor * r) * width;
  yScale = -(((yFactor * r) * aspect) * height);

  int32_t n = ToInt32(TruncateClamped((5.0 / std::sqrt(fieldOfView)) * PI));
  if (n > 360) n = 360;
  gridDivisions = n;
  for (const int32_t divisions : GRID_DIVISION_TABLE) {
    if (divisions <= n) {
      gridDivisions = divisions;
      break;
    }
  }
}

void SkyView::SetViewRect(const Rect& rect) {
  viewRect = rect;
  viewWidth = ToInt32(int64_t{viewRect.right} - viewRect.left);
  progressRect = viewRect;
  progressRect.bottom = ToInt32(int64_t{viewRect.top} + 5);
  UpdateProjection();
}

void SkyView::ViewToScreen(double x, double y, int32_t& sx, int32_t& sy) const {
  sx = ToInt32(TruncateClamped(xScale * x) + centerX);
  sy = ToInt32(TruncateClamped(yScale * y) + centerY);
}

void SkyView::ScreenToView(int32_t sx, int32_t sy, double& x, double& y) const {
  x = static_cast<double>(int64_t{sx} - centerX) / xScale;
  y = static_cast<double>(int64_t{sy} - centerY) / yScale;
}

void SkyView::ShowProgress(Surface& surface) {
  progressRect.right = ToInt32(TruncateClamped(viewWidth * progress * 0.01));
  surface.FillRect(progressRect, StockBrush::White);
}

}  // namespace halvane
