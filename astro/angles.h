// Angle units of the sky chart and the small numeric helpers every part shares:
// reducing by whole turns, rounding, and degrees-minutes-seconds.
#pragma once

#include <cmath>
#include <cstdint>

namespace halvane {

constexpr double PI = 3.141592653589793;         // half a turn, radians
constexpr double HALF_PI = PI * 0.5;             // quarter turn, radians
constexpr double TWO_PI = PI * 2;                // one full turn, radians
constexpr double DEG_TO_RAD = PI * (1.0 / 180);  // radians per degree (0.017453292519943295)
constexpr double RAD_TO_DEG = 180 / PI;          // degrees per radian (57.29577951308232)
constexpr double HOURS_TO_RAD =
    PI * (1.0 / 12);  // radians per hour of right ascension (0.2617993877991494)
constexpr double RAD_TO_HOURS = 12 / PI;  // hours of right ascension per radian (3.819718634205488)
constexpr double RAD_TO_ARCSEC = RAD_TO_DEG * 3600;  // arcseconds per radian (206264.80624709636)

// The observer's longitude counts positive towards the west, as the sidereal time's formula
// takes it; cities, receivers and the geodetic and magnetic models count it towards the east.
constexpr double EastLongitude(double westLongitude) { return -westLongitude; }
constexpr double WestLongitude(double eastLongitude) { return -eastLongitude; }

// An angle reduced by whole turns into [0, 2 pi), radians. A non-finite angle gives NaN.
// Source: ERFA eraAnp, which can round a tiny negative angle up to a whole turn.
inline double WrapToTurn(double angle) {
  const double wrapped = std::fmod(angle, TWO_PI);
  if (wrapped >= 0.0) return wrapped;
  const double lifted = wrapped + TWO_PI;
  return lifted == TWO_PI ? 0.0 : lifted;
}

// An angle reduced by whole turns into [-pi, pi], radians: the short way round. A non-finite
// angle gives NaN.
inline double WrapToHalfTurn(double angle) { return std::remainder(angle, TWO_PI); }

// Reduces x by whole multiples of range: x - t * range with t = x / range truncated towards zero.
// x >= 0 gives [0, range); x < 0 gives (-range, 0], a negative angle is not lifted.
// Damaged input: a non-finite x, or a range that is zero or not finite, gives 0; when x / range
// does not fit a 32-bit integer the result is std::fmod(x, range), the exact remainder.
double NormalizeAngle(double x, double range);

// The angle between two points of a sphere given by longitude and latitude (right ascension and
// declination, azimuth and altitude, or places on the Earth), radians in, radians in [0, pi]
// out; as exact near 0 and pi as anywhere between.
// Source: ERFA eraSeps (the angle from the cross and dot products' atan2).
double AngularSeparation(double longitude1, double latitude1, double longitude2, double latitude2);

// Nearest integer, ties upwards (2.5 -> 3, -2.5 -> -2).
// NaN gives 0; values beyond the int32 range saturate to INT32_MIN or INT32_MAX.
int32_t RoundToInt(double x);

// Splits decimal degrees into whole degrees (with the sign of x), minutes and seconds (never
// negative): |x| rounded to the nearest whole second, carried into minutes and degrees. A
// negative x under one degree gives degrees 0: the caller shows its sign.
// NaN gives (0, 0, 0); degrees beyond the int32 range saturate; an infinite x gives minutes and
// seconds of 0; a huge finite x still gives exact minutes and seconds in [0, 60).
void DegreesToDms(double x, int32_t& degrees, int32_t& minutes, int32_t& seconds);

// Joins degrees, minutes and seconds into decimal degrees. The sign comes from degrees alone:
// the signs of minutes and seconds are ignored. Any int32, INT32_MIN included, is accepted.
double DmsToDegrees(int32_t degrees, int32_t minutes, int32_t seconds);

}  // namespace halvane
