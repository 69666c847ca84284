// The IAU 1976 precession (Lieske 1977) between the mean equator and equinox of J2000.0 and
// those of another epoch; the catalog builder uses it to draw the constellation boundaries in
// the B1875.0 frame where they run along parallels and meridians.
#pragma once

#include <array>

#include "astro/sidereal_time.h"

namespace halvane {

using RotationMatrix = std::array<std::array<double, 3>, 3>;

// B1875.0 as a Julian day (Besselian epoch 1875.0).
constexpr double JD_B1875 = 2405889.258550475;

// The matrix that takes a J2000 mean-equator vector to the mean equator and equinox of the
// Julian day (TT): Rz(-z) Ry(theta) Rz(-zeta), the angles of Meeus 21.3 with the starting epoch
// J2000 (T = 0) and t in Julian centuries.
RotationMatrix PrecessionFromJ2000(double julianDay);

// Rotate an equatorial position in radians between the mean equator and equinox of J2000
// and those of B1875.0 (Meeus, Astronomical Algorithms, 2nd ed., formulas 21.3 and 21.4).
// Right ascension comes out in [0, 2 pi).
void J2000ToB1875(double& rightAscension, double& declination);
void B1875ToJ2000(double& rightAscension, double& declination);

}  // namespace halvane
