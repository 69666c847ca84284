// The ecliptic through ERFA's ecliptic matrices.
#include "astro/ecliptic.h"

#include <erfa.h>

#include <cmath>

#include "astro/sidereal_time.h"

namespace halvane {

Rotation EclipticToCatalog(bool ofDate, double jdTt) {
  if (ofDate) {
    double rotation[3][3];
    eraEcm06(jdTt, 0.0, rotation);  // catalog to ecliptic of date; its transpose turns back
    return {{rotation[0][0], rotation[1][0], rotation[2][0]},
            {rotation[0][1], rotation[1][1], rotation[2][1]},
            {rotation[0][2], rotation[1][2], rotation[2][2]}};
  }
  const double obliquity = eraObl06(JD_J2000, 0.0);
  const double c = std::cos(obliquity);
  const double s = std::sin(obliquity);
  return {{1.0, 0.0, 0.0}, {0.0, c, -s}, {0.0, s, c}};
}

}  // namespace halvane
