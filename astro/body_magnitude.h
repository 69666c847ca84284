// Visual magnitudes of the Sun, the Moon and the planets from their distances and phase angle.
#pragma once

#include "astro/solar_body.h"

namespace halvane {

// The visual magnitude of `body` at `sunDistance` from the Sun and `distance` from the observer
// (both AU), seen at `phaseAngle` (radians, Sun-body-observer, 0 to pi). For Saturn the rings
// add: `ringTilt` is the observer's latitude over the ring plane and `ringLongitudeDifference`
// the difference of the Sun's and the observer's longitudes in that plane (radians); other
// bodies ignore them. The Sun's sunDistance is ignored.
// Sources: the planets, Meeus, Astronomical Algorithms, chapter 41 (the formulas of the
// Astronomical Almanac from 1984); the Moon, Allen, Astrophysical Quantities: V(1,0) = +0.23 with
// the phase law 0.026 i + 4e-9 i^4 (i in degrees); the Sun, V = -26.74 at 1 AU.
double VisualMagnitude(Body body, double sunDistance, double distance, double phaseAngle,
                       double ringTilt = 0.0, double ringLongitudeDifference = 0.0);

}  // namespace halvane
