// Converting chart arithmetic to pixels without undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>

namespace halvane {

// A point can project far off the chart; beyond this many pixels its exact place no longer
// matters, and clamping keeps the conversion to int32 defined.
constexpr double PIXEL_LIMIT = 1.0e6;

// Truncation towards zero, clamped to +-PIXEL_LIMIT; a NaN goes far off the chart too.
inline int64_t TruncateClamped(double value) {
  if (std::isnan(value)) return static_cast<int64_t>(PIXEL_LIMIT);
  if (value >= PIXEL_LIMIT) return static_cast<int64_t>(PIXEL_LIMIT);
  if (value <= -PIXEL_LIMIT) return -static_cast<int64_t>(PIXEL_LIMIT);
  return static_cast<int64_t>(value);
}

inline int32_t ToInt32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace halvane
