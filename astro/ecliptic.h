// Points of the ecliptic in the catalog's frame (J2000), for drawing it among the stars.
#pragma once

namespace halvane {

// The catalog's right ascension and declination (radians) of ecliptic longitude longitude
// (radians, latitude 0): of the mean ecliptic and equinox of J2000, or with ofDate of the mean
// ecliptic of the date jdTt (a terrestrial-time Julian day), turned into J2000.
// Source: IAU 2006 precession (ERFA eraObl06, eraEcm06).
void EclipticToCatalog(double longitude, bool ofDate, double jdTt, double& rightAscension,
                       double& declination);

}  // namespace halvane
