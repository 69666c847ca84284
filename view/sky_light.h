// The daylight layer's sky: the colour toward each direction and the faintest object seen,
// from the Sun's place at the observer.
#pragma once

#include <cstdint>
#include <vector>

#include "astro/direction.h"
#include "platform/surface.h"

namespace halvane {

struct FrameContext;
class Projection;

struct SkyLight {
  Color background = 0;             // the zenith's: black once the Sun is 18 degrees down
  bool dark = true;                 // the night sky: black, and every star shown
  double faintestMagnitude = 99.0;  // fainter objects are lost in the sky
  double logZenith = 0.0;           // log10 of the zenith's brightness, nanolamberts
  Direction sun{0.0, 0.0, -1.0};    // horizontal
};

// The sky for the Sun's altitude in radians: day blue while the Sun is up, deepening through
// twilight to black; the limit from the zenith's brightness.
SkyLight SkyLightAt(double sunAltitude);
// The same for the Sun toward sun (horizontal unit vector), which also gives the glow's way.
SkyLight SkyLightToward(const Direction& sun);

// The colour of the sky toward element (horizontal): brighter toward the Sun and the horizon.
Color SkyColorToward(const SkyLight& light, const Direction& element);

// text, or the nearest mix of it with white or black (whichever reads better on background)
// whose contrast against background is at least 4.5 to 1 (WCAG 2 relative luminance).
Color ReadableOn(Color text, Color background);

// Fills the chart with the sky of light, in blocks of a few pixels each of its own colour.
// The blocks' colours are kept: a frame of the same view and the same Sun (a tap, a panel, the
// clock within its minute) draws them again without the sky model.
class SkyGlow {
 public:
  void Draw(const Projection& projection, Surface& surface, const SkyLight& light);

 private:
  struct Key {
    Rect viewRect{};
    double field = 0.0, azimuth = 0.0, altitude = 0.0, rotation = 0.0;
    double logZenith = 0.0;
    Direction sun{0.0, 0.0, 0.0};
    bool operator==(const Key& other) const;
  };
  static Key KeyOf(const Projection& projection, const SkyLight& light);

  Key key;
  std::vector<Color> colors;  // row by row, a block each
};

// The daylight layer: the frame's lit sky through the frame's kept blocks; nothing on a dark sky.
void DrawSkyGlow(const FrameContext& frame, Surface& surface);

}  // namespace halvane
