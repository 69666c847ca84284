// The sky's colour follows the logarithm of its brightness, as the eye judges it.
#include "view/sky_light.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/sky_brightness.h"

namespace halvane {

namespace {

constexpr double NIGHT_DEPRESSION = -18.0;  // degrees: astronomical night

struct Stop {
  double logBrightness;  // log10 nanolamberts
  uint8_t red, green, blue;
};
// From the darkest twilight that still tints the sky to the blue of full day.
constexpr std::array<Stop, 5> STOPS = {{
    {2.3, 0, 0, 0},
    {3.5, 8, 12, 36},
    {5.5, 28, 48, 104},
    {7.5, 56, 96, 164},
    {8.8, 72, 124, 196},
}};

Color ColorOf(double logBrightness) {
  if (logBrightness <= STOPS.front().logBrightness) return 0;
  for (size_t i = 1; i < STOPS.size(); ++i) {
    const Stop& a = STOPS[i - 1];
    const Stop& b = STOPS[i];
    if (logBrightness > b.logBrightness) continue;
    const double t = (logBrightness - a.logBrightness) / (b.logBrightness - a.logBrightness);
    const auto mix = [t](uint8_t from, uint8_t to) {
      return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return MakeColor(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
  }
  const Stop& last = STOPS.back();
  return MakeColor(last.red, last.green, last.blue);
}

}  // namespace

SkyLight SkyLightAt(double sunAltitude) {
  const double degrees = sunAltitude * RAD_TO_DEG;
  if (!std::isfinite(degrees) || degrees <= NIGHT_DEPRESSION) return {};
  const double brightness = ZenithSkyBrightness(degrees);
  SkyLight light;
  light.background = ColorOf(std::log10(brightness));
  light.dark = false;
  light.faintestMagnitude = NakedEyeLimit(brightness);
  return light;
}

}  // namespace halvane
