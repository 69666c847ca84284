// Angle helpers: reduction by whole turns, rounding, degrees-minutes-seconds.
#include "astro/angles.h"

#include <erfa.h>

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

}  // namespace

double AngularSeparation(double longitude1, double latitude1, double longitude2, double latitude2) {
  return eraSeps(longitude1, latitude1, longitude2, latitude2);
}

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
  if (!std::isfinite(x)) {
    degrees = SaturatingTruncate(x);
    minutes = 0;
    seconds = 0;
    return;
  }
  // The fraction of a degree is exact, so rounding it to whole seconds is too; a full 3600
  // carries into the degrees.
  const double magnitude = std::fabs(x);
  double whole = std::trunc(magnitude);
  int32_t totalSeconds = static_cast<int32_t>(std::round((magnitude - whole) * 3600.0));
  if (totalSeconds == 3600) {
    whole += 1.0;
    totalSeconds = 0;
  }
  degrees = SaturatingTruncate(x < 0.0 ? -whole : whole);
  minutes = totalSeconds / 60;
  seconds = totalSeconds % 60;
}

double DmsToDegrees(int32_t degrees, int32_t minutes, int32_t seconds) {
  // Magnitudes taken as doubles: the int32 minimum has no positive int32 counterpart.
  double v = std::fabs(static_cast<double>(seconds)) * SECONDS_TO_DEGREES +
             std::fabs(static_cast<double>(minutes)) * MINUTES_TO_DEGREES;
  v = v + std::fabs(static_cast<double>(degrees));
  return degrees < 0 ? -v : v;
}

}  // namespace halvane
