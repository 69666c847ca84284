// The tapped object's name written over the chart on the screen.
#pragma once

#include "catalog/identify_object.h"
#include "chart/label_placement.h"
#include "platform/surface.h"

namespace halvane {

constexpr Color LABEL_COLOR = MakeColor(127, 255, 127);

// Writes label's name beside its pixel where the names of the frame under it leave room
// (over the frame's own writing of it when the frame named the object too); nothing when label
// is empty or no place around its pixel is free.
void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart,
                      const FrameNames& frame = {});

}  // namespace halvane
