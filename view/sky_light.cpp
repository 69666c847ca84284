// The sky's colour follows the logarithm of its brightness, as the eye judges it.
#include "view/sky_light.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/sky_brightness.h"
#include "view/frame_context.h"
#include "view/view_orientation.h"

namespace halvane {

namespace {

constexpr double NIGHT_DEPRESSION = -18.0;  // degrees: astronomical night

struct Stop {
  double logBrightness;  // log10 nanolamberts
  uint8_t red, green, blue;
};
// From the darkest twilight that still tints the sky to the blue of full day, and paler in the
// glow around the Sun.
constexpr std::array<Stop, 7> STOPS = {{
    {2.3, 0, 0, 0},
    {3.5, 8, 12, 36},
    {5.5, 28, 48, 104},
    {7.5, 56, 96, 164},
    {8.8, 72, 124, 196},
    {9.2, 72, 124, 196},
    {10.2, 132, 168, 220},
}};
// Pixels of a block of one colour: about 300 blocks on a phone's chart.
constexpr int32_t BLOCK = 16;

Color ColorOf(double logBrightness) {
  if (!(logBrightness > STOPS.front().logBrightness)) return 0;  // NaN too: no cast of it
  for (size_t i = 1; i < STOPS.size(); ++i) {
    const Stop& a = STOPS[i - 1];
    const Stop& b = STOPS[i];
    if (logBrightness > b.logBrightness) continue;
    const double t = (logBrightness - a.logBrightness) / (b.logBrightness - a.logBrightness);
    // Rounds half away from zero as lround does, without its call: the mix is never negative.
    const auto mix = [t](uint8_t from, uint8_t to) {
      // NOLINTNEXTLINE(bugprone-incorrect-roundings)
      return static_cast<uint8_t>(from + (to - from) * t + 0.5);
    };
    return MakeColor(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
  }
  const Stop& last = STOPS.back();
  return MakeColor(last.red, last.green, last.blue);
}

// WCAG 2: the sRGB channel made linear, then the luminance and the ratio of two.
double Linear(uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Color c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

double Contrast(Color a, Color b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour of a lit sky toward element, for the Sun of sky.
Color LitSkyColor(const SkyLight& light, const SkyLuminance& sky, const Direction& element) {
  return ColorOf(light.logZenith + sky.Log10RelativeToward(element));
}

}  // namespace

Color ReadableOn(Color text, Color background) {
  constexpr double ENOUGH = 4.5;
  constexpr int32_t STEPS = 16;
  if (Contrast(text, background) >= ENOUGH) return text;
  const Color white = MakeColor(255, 255, 255);
  const Color black = MakeColor(0, 0, 0);
  const Color toward = Contrast(white, background) >= Contrast(black, background) ? white : black;
  Color mixed = toward;
  for (int32_t i = 1; i <= STEPS; ++i) {
    const auto mix = [i](uint8_t from, uint8_t to) {
      return static_cast<uint8_t>(from + (to - from) * i / STEPS);
    };
    mixed = MakeColor(mix(RedOf(text), RedOf(toward)), mix(GreenOf(text), GreenOf(toward)),
                      mix(BlueOf(text), BlueOf(toward)));
    if (Contrast(mixed, background) >= ENOUGH) break;
  }
  return mixed;
}

SkyLight SkyLightAt(double sunAltitude) {
  const double degrees = sunAltitude * RAD_TO_DEG;
  if (!std::isfinite(degrees) || degrees <= NIGHT_DEPRESSION) return {};
  const double brightness = ZenithSkyBrightness(degrees);
  SkyLight light;
  light.background = ColorOf(std::log10(brightness));
  light.dark = false;
  light.faintestMagnitude = NakedEyeLimit(brightness);
  light.logZenith = std::log10(brightness);
  return light;
}

SkyLight SkyLightToward(const Direction& sun) {
  SkyLight light = SkyLightAt(std::asin(std::clamp(sun.z, -1.0, 1.0)));
  light.sun = sun;
  return light;
}

Color SkyColorToward(const SkyLight& light, const Direction& element) {
  if (light.dark) return light.background;
  return LitSkyColor(light, SkyLuminance(light.sun), element);
}

bool SkyGlow::Key::operator==(const Key& other) const {
  return viewRect == other.viewRect && field == other.field && azimuth == other.azimuth &&
         altitude == other.altitude && rotation == other.rotation && logZenith == other.logZenith &&
         sun.x == other.sun.x && sun.y == other.sun.y && sun.z == other.sun.z;
}

SkyGlow::Key SkyGlow::KeyOf(const Projection& projection, const SkyLight& light) {
  Key key;
  key.viewRect = projection.GetViewRect();
  key.field = projection.GetFieldOfView();
  projection.GetViewDirection(key.azimuth, key.altitude);
  key.rotation = projection.GetRotation();
  key.logZenith = light.logZenith;
  key.sun = light.sun;
  return key;
}

void SkyGlow::Draw(const Projection& projection, Surface& surface, const SkyLight& light) {
  const Rect& r = projection.GetViewRect();
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const Key now = KeyOf(projection, light);
  if (colors.empty() || !(now == key)) {
    colors.clear();
    const SkyLuminance sky(light.sun);
    const ViewOrientation& orientation = projection.GetOrientation();
    for (int32_t top = r.top; top < r.bottom; top += BLOCK) {
      const int32_t bottom = std::min(top + BLOCK, r.bottom);
      for (int32_t left = r.left; left < r.right; left += BLOCK) {
        double u = 0.0;
        double v = 0.0;
        projection.ScreenToView(std::min(left + BLOCK / 2, r.right - 1), (top + bottom) / 2, u, v);
        colors.push_back(LitSkyColor(light, sky, orientation.ViewToDirection(u, v)));
      }
    }
    key = now;
  }
  const auto fill = [&](int32_t left, int32_t top, int32_t right, int32_t bottom, Color color) {
    const Point corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    surface.FillArea("sky", corners, 4, color);
  };
  auto color = colors.cbegin();
  for (int32_t top = r.top; top < r.bottom; top += BLOCK) {
    const int32_t bottom = std::min(top + BLOCK, r.bottom);
    // A run of blocks of one colour is one fill.
    int32_t runLeft = r.left;
    Color runColor = *color;
    for (int32_t left = r.left; left < r.right; left += BLOCK, ++color) {
      if (*color == runColor) continue;
      fill(runLeft, top, left, bottom, runColor);
      runLeft = left;
      runColor = *color;
    }
    fill(runLeft, top, r.right, bottom, runColor);
  }
}

void DrawSkyGlow(const FrameContext& frame, Surface& surface) {
  if (frame.light.dark) return;
  SkyGlow unkept;
  (frame.glow != nullptr ? *frame.glow : unkept).Draw(frame.projection, surface, frame.light);
}

}  // namespace halvane
