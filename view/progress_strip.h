// The progress strip: a white bar along the top of the chart that grows while a frame is
// drawn, painted onto the screen between the layers.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace halvane {

class ProgressStrip {
 public:
  explicit ProgressStrip(const Rect& viewRect);

  // Follows the chart to a new rectangle.
  void SetViewRect(const Rect& viewRect);
  // Paints the strip, viewWidth x percent wide, white, onto surface.
  void Show(double percent, Surface& surface);

 private:
  Rect progressRect;
  int32_t viewWidth = 0;
};

}  // namespace halvane
