// The field of view at which the chart adds its close detail: the faint stars, the Greek
// letters and the deep sky's names, all at once.
#pragma once

#include "astro/angles.h"

namespace halvane {

// True at 11.25 degrees (radians across the chart) and narrower; the slack absorbs the
// rounding of the zoom's halvings.
constexpr bool ShowsCloseDetail(double fieldOfView) { return fieldOfView <= PI / 16.0 + 1e-9; }

}  // namespace halvane
