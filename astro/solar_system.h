// Where the Sun, the Moon and the planets are for an observer at a moment: topocentric
// astrometric places on the catalog's frame, with distance, size, brightness and phase.
#pragma once

#include <array>

#include "astro/solar_body.h"

namespace halvane {

// One body as the observer sees it. An unavailable body (Pluto outside 1885-2099, or every body
// for a non-finite moment) has all other fields 0.
struct BodyPlace {
  bool available;
  // Topocentric astrometric place on the mean equator and equinox of J2000 (ICRS within 0.02
  // arcsecond): corrected for light time and parallax, without aberration or nutation, so the
  // body sits among the catalog's stars. Right ascension in [0, 2 pi), declination in
  // [-pi/2, pi/2], radians.
  double rightAscension;
  double declination;
  double distance;             // from the observer, AU
  double diameter;             // apparent equatorial diameter, radians
  double magnitude;            // visual
  double illuminatedFraction;  // lit fraction of the disc, 0 to 1 (the Sun 1)
  double brightLimbAngle;      // position angle of the lit limb's midpoint, radians in [0, 2 pi)
                               // from north through east (the Sun 0)
};

using SolarSystemPlaces = std::array<BodyPlace, BODY_COUNT>;

// Every body, indexed by Body, at `jdUt` (Julian day, universal time; `jdTt` the same moment in
// terrestrial time, TerrestrialJulianDay) for an observer at
// `longitude` (degrees, positive towards the west, as Observer) and `latitude` (degrees) at sea
// level. Any finite input gives finite fields;
// latitudes beyond +-90 are clamped. Accuracy against an independent ephemeris from 1900 to
// 2100: see astro/generated/README.md.
// Sources: planets and the Earth VSOP87B (PlanetState), the Moon ERFA's eraMoon98 (Meeus'
// truncated ELP2000-82B), Pluto Meeus chapter 37 (PlutoPosition); the observer on the WGS84
// ellipsoid turned by the mean sidereal time and IAU 2006 precession (eraGmst06, eraPmat06);
// the bright limb from Meeus, Astronomical Algorithms, formula 48.5.
SolarSystemPlaces ComputeSolarSystem(double jdUt, double jdTt, double longitude, double latitude);

// The observer's heliocentric position (AU, mean equator and equinox of J2000) that the bodies
// above are seen from: the Earth of the series and the place on the ellipsoid. Zero for a
// non-finite input.
std::array<double, 3> ObserverHeliocentricPosition(double jdUt, double jdTt, double longitude,
                                                   double latitude);

}  // namespace halvane
