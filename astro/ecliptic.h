// The ecliptic in the catalog's frame (J2000), for drawing it among the stars.
#pragma once

#include "astro/direction.h"

namespace halvane {

// The turn of ecliptic directions (x to longitude 0, z to the ecliptic's north pole) into the
// catalog's: of the mean ecliptic and equinox of J2000, or with ofDate of the mean ecliptic of
// the date jdTt (a terrestrial-time Julian day).
// Source: IAU 2006 precession (ERFA eraObl06, eraEcm06).
Rotation EclipticToCatalog(bool ofDate, double jdTt);

}  // namespace halvane
