// The ecliptic through ERFA's ecliptic matrices.
#include "astro/ecliptic.h"

#include <erfa.h>

#include <cmath>

#include "astro/sidereal_time.h"

namespace halvane {

void EclipticToCatalog(double longitude, bool ofDate, double jdTt, double& rightAscension,
                       double& declination) {
  double ecliptic[3] = {std::cos(longitude), std::sin(longitude), 0.0};
  double equatorial[3] = {};
  if (ofDate) {
    double rotation[3][3];
    eraEcm06(jdTt, 0.0, rotation);  // catalog to ecliptic of date
    eraTrxp(rotation, ecliptic, equatorial);
  } else {
    const double obliquity = eraObl06(JD_J2000, 0.0);
    const double c = std::cos(obliquity);
    const double s = std::sin(obliquity);
    equatorial[0] = ecliptic[0];
    equatorial[1] = c * ecliptic[1] - s * ecliptic[2];
    equatorial[2] = s * ecliptic[1] + c * ecliptic[2];
  }
  eraC2s(equatorial, &rightAscension, &declination);
  rightAscension = eraAnp(rightAscension);
}

}  // namespace halvane
