// Angle helpers: reduction by whole turns, rounding, degrees-minutes-seconds.
#include "astro/angles.h"

#include <cmath>
#include <limits>

namespace halvane {
namespace {

constexpr double INT32_LOWEST = -2147483648.0;
constexpr double INT32_PAST_MAX = 2147483648.0;
constexpr double SECONDS_TO_DEGREES = 0.0002777777777777778;  // 1/3600
constexpr double MINUTES_TO_DEGREES = 0.016666666666666666;   // 1/60

// True when truncating x towards zero gives a value an int32 can hold.
bool TruncationFitsInt32(double x) { return x > INT32_LOWEST - 1.0 && x < INT32_PAST_MAX; }

// Truncation towards zero that saturates instead of overflowing; NaN gives 0.
int32_t SaturatingTruncate(double x) {
  if (std::isnan(x)) return 0;
  if (x <= INT32_LOWEST) return std::numeric_limits<int32_t>::min();
  if (x >= INT32_PAST_MAX) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(x);
}

// Whole part of a non-negative value, modulo 60; exact for any magnitude. A value that
// overflowed to infinity (degrees near the double limit, times 3600) gives 0.
int32_t WholeModulo60(double x) {
  if (!std::isfinite(x)) return 0;
  return static_cast<int32_t>(std::fmod(std::trunc(x), 60.0));
}

}  // namespace

double NormalizeAngle(double x, double range) {
  if (!std::isfinite(x) || !std::isfinite(range) || range == 0.0) return 0.0;
  const double quotient = x / range;
  if (!TruncationFitsInt32(quotient)) return std::fmod(x, range);
  const double turns = static_cast<double>(static_cast<int32_t>(quotient));
  return x - turns * range;
}

int32_t RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  // From here on floor and ceil both fit, including ceil of values just below INT32_MAX.
  if (x >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (x <= INT32_LOWEST) return std::numeric_limits<int32_t>::min();
  const int32_t n = static_cast<int32_t>(std::floor(x));
  if (x >= n + 0.5) return static_cast<int32_t>(std::ceil(x));
  return n;
}

void DegreesToDms(double x, int32_t& degrees, int32_t& minutes, int32_t& seconds) {
  degrees = SaturatingTruncate(x);
  if (!std::isfinite(x)) {
    minutes = 0;
    seconds = 0;
    return;
  }
  const double magnitude = std::fabs(x);
  minutes = WholeModulo60(magnitude * 60.0);
  seconds = WholeModulo60(magnitude * 3600.0);
}

double DmsToDegrees(int32_t degrees, int32_t minutes, int32_t seconds) {
  // Magnitudes taken as doubles: the int32 minimum has no positive int32 counterpart.
  double v = std::fabs(static_cast<double>(seconds)) * SECONDS_TO_DEGREES +
             std::fabs(static_cast<double>(minutes)) * MINUTES_TO_DEGREES;
  v = v + std::fabs(static_cast<double>(degrees));
  return degrees < 0 ? -v : v;
}

}  // namespace halvane
