// The progress strip along the top of the chart.
#include "view/progress_strip.h"

#include "view/pixel_math.h"

namespace halvane {

ProgressStrip::ProgressStrip(const Rect& viewRect) { SetViewRect(viewRect); }

void ProgressStrip::SetViewRect(const Rect& viewRect) {
  viewWidth = ToInt32(int64_t{viewRect.right} - viewRect.left);
  progressRect = viewRect;
  progressRect.bottom = ToInt32(int64_t{viewRect.top} + 5);
}

void ProgressStrip::Show(double percent, Surface& surface) {
  progressRect.right = ToInt32(TruncateClamped(viewWidth * percent * 0.01));
  surface.FillRect(progressRect, StockBrush::White);
}

}  // namespace halvane
