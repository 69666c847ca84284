// The navigation box: a picture of twelve buttons in three columns and four rows, on a
// 23-pixel pitch, shown in the chart's bottom-right corner.
#pragma once

#include <cstdint>

namespace halvane {

constexpr int32_t NAV_BOX_WIDTH = 70;
constexpr int32_t NAV_BOX_HEIGHT = 93;
constexpr int32_t NAV_BOX_PITCH = 23;

}  // namespace halvane
