// The daylight layer's sky: the background colour and the faintest object seen, from the
// Sun's altitude at the observer.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace halvane {

struct SkyLight {
  Color background = 0;             // black once the Sun is 18 degrees down
  bool dark = true;                 // the night sky: black, and every star shown
  double faintestMagnitude = 99.0;  // fainter objects are lost in the sky
};

// The sky for the Sun's altitude in radians: day blue while the Sun is up, deepening through
// twilight to black; the limit from the zenith's brightness.
SkyLight SkyLightAt(double sunAltitude);

}  // namespace halvane
