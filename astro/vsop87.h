// Heliocentric positions and velocities of the planets and the Earth from the VSOP87B series.
#pragma once

namespace halvane {

// In the order of the series.
enum class Planet { MERCURY, VENUS, EARTH, MARS, JUPITER, SATURN, URANUS, NEPTUNE };

// A heliocentric state: position in AU and velocity in AU per day, rectangular, on the mean
// equator and equinox of J2000 (FK5; within 0.02 arcsecond of ICRS).
struct HeliocentricState {
  double position[3];
  double velocity[3];
};

// The planet's state at `jdTt` (Julian day, terrestrial time). The series are truncated (see
// astro/generated/README.md): within about an arcsecond from 1900 to 2100, slowly worse outside,
// finite for any finite date.
// Source: Bretagnon and Francou, "Planetary theories in rectangular and spherical variables:
// VSOP87 solutions", Astron. Astrophys. 202, 309 (1988), version B (heliocentric spherical,
// ecliptic and equinox J2000); turned to the equator by Meeus, Astronomical Algorithms,
// chapter 26 (formula 26.2).
HeliocentricState PlanetState(Planet planet, double jdTt);

// Rotates a rectangular vector from the ecliptic of J2000 of the VSOP87 and Meeus' Pluto series
// to the mean equator of J2000 (FK5). Source: Meeus, Astronomical Algorithms, formula 26.2.
void EclipticToEquatorial(const double ecliptic[3], double equatorial[3]);

}  // namespace halvane
