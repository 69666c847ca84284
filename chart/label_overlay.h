// The tapped object's name written over the chart on the screen.
#pragma once

#include "catalog/identify_object.h"
#include "platform/surface.h"

namespace halvane {

constexpr Color LABEL_COLOR = MakeColor(127, 255, 127);

// Writes label's name from its pixel towards the bottom-right of chart, unclipped; nothing
// when label is empty.
void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart);

}  // namespace halvane
