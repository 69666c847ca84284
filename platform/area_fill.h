// Filling a polygon by rows: which pixels of each row lie inside, by the even-odd rule.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/surface.h"

namespace halvane {

// Calls span(y, x0, x1) for each run of pixels [x0, x1) of rows [top, bottom) whose centres
// lie inside the closed polygon of count points scaled by scale, clipped to
// [0, width) x [0, height). A polygon of fewer than three points fills nothing.
// The pixels an upright rectangle of four corners fills, as ForEachAreaSpan gives them: rows
// [top, bottom) of columns [left, right) (no rows when it fills nothing). False for any other
// shape. The sky's blocks, most fills of a frame, take this way without the edge tables.
bool UprightRectangleArea(const Point* points, int32_t count, double scale, int32_t width,
                          int32_t height, Rect& area);

void ForEachAreaSpan(const Point* points, int32_t count, double scale, int32_t width,
                     int32_t height, const std::function<void(int32_t, int32_t, int32_t)>& span);

}  // namespace halvane
