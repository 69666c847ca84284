// Where an Earth satellite stands for an observer: its TEME state turned to the Earth by the
// model's own sidereal time, then onto the observer's horizon on the WGS-84 ellipsoid, and
// whether the Sun lights it.
#pragma once

#include "astro/direction.h"
#include "astro/sgp4.h"

namespace halvane {

// The observer on the ground: longitude (degrees, positive west as Observer), geodetic
// latitude (degrees) and height above the WGS-84 ellipsoid (km).
struct GroundSite {
  double longitude = 0.0;
  double latitude = 0.0;
  double heightKm = 0.0;
};

struct SatelliteLook {
  Direction horizontal;          // unit vector, x north, y east, z up (as the chart's)
  double azimuth = 0.0;          // radians in [0, 2 pi), from north through east
  double altitude = 0.0;         // radians, geometric (no refraction)
  double altitudeRate = 0.0;     // radians per second
  double rangeKm = 0.0;          // from the observer
  double rangeRateKmPerS = 0.0;  // positive while it recedes
  double centralAngle = 0.0;     // radians between the satellite and the site from the geocentre
};

// The site's place and horizon in the Earth-fixed frame, worked out once for many looks.
class HorizonFrame {
 public:
  explicit HorizonFrame(const GroundSite& site);
  // The satellite seen from the site at UTC Julian day jdUt. Polar motion is ignored (its few
  // metres move a low satellite by under 0.001 degree).
  SatelliteLook Look(const TemeState& state, double jdUt) const;
  // The geometric altitude (radians) of a TEME position (km) seen at jdUt.
  double AltitudeOf(const double teme[3], double jdUt) const;
  // The site's distance from the geocentre, km.
  double SiteRadius() const { return siteRadius; }

 private:
  double position[3];
  Direction north, east, up;  // Earth-fixed unit vectors
  double siteRadius;
};

// A TEME position (km) turned to the Earth-fixed frame at jdUt.
void TemeToEarthFixed(const double teme[3], double jdUt, double earthFixed[3]);

// The geocentric Sun at jdUt, km, on the mean equator and equinox of the date, which TEME
// differs from by the nutation alone (under 20 arcseconds).
// Source: ERFA's eraEpv00 (the Earth's heliocentric position) and eraPmat06 (IAU 2006
// precession); light time and aberration left out (20 arcseconds).
void SunPosition(double jdUt, double sunKm[3]);

enum class SatelliteLight { Sunlit, Penumbra, Umbra };

// Whether a satellite at position (km, TEME) sees the Sun (km, the same frame): the cones of
// a spherical Earth of the equatorial radius.
SatelliteLight LightOf(const double position[3], const double sunKm[3]);

}  // namespace halvane
