// Pluto's heliocentric position from the periodic terms of Meeus, valid from 1885 to 2099.
#pragma once

namespace halvane {

constexpr double PLUTO_FIRST_JD = 2409543.5;  // 1885 January 1, 0h TT
constexpr double PLUTO_LAST_JD = 2488069.5;   // 2100 January 1, 0h TT

// Whether the series holds at `jdTt` (Julian day, terrestrial time): 1885 to 2099.
bool PlutoAvailable(double jdTt);

// Pluto's heliocentric rectangular position in AU on the mean equator and equinox of J2000, at
// `jdTt`; meaningful only where PlutoAvailable, finite for any finite date.
// Source: Meeus, Astronomical Algorithms, chapter 37 (table 37.A and formula 37.1), the
// ecliptic of J2000 turned to the equator as in formula 26.2.
void PlutoPosition(double jdTt, double position[3]);

}  // namespace halvane
