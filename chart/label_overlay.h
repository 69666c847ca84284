// The tapped object's name written over the chart on the screen.
#pragma once

#include "catalog/identify_object.h"
#include "chart/label_placement.h"
#include "platform/surface.h"

namespace halvane {

constexpr Color LABEL_COLOR = MakeColor(127, 255, 127);

// Writes label's name beside its pixel where the names of the frame under it leave room
// (over the frame's own writing of it when the frame named the object too), on a halo of the
// frame's sky behind it where the projection is given; nothing when label is empty or no
// place around its pixel is free.
void DrawLabelOverlay(Surface& surface, const PickedLabel& label, const Rect& chart,
                      const FrameNames& frame = {}, const Projection* projection = nullptr);

// A reticle around the point (x, y): the object whose panel is open.
void DrawReticle(Surface& surface, int32_t x, int32_t y, const Rect& chart);

}  // namespace halvane
