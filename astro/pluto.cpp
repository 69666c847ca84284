// Sums Meeus' 43 periodic terms for Pluto.
#include "astro/pluto.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/vsop87.h"

namespace halvane {
namespace {

struct PlutoTerm {
  int j, s, p;                  // multiples of the arguments J, S, P
  double lonSin, lonCos;        // degrees
  double latSin, latCos;        // degrees
  double radiusSin, radiusCos;  // AU
};

#include "astro/generated/pluto_terms.inc"

}  // namespace

bool PlutoAvailable(double jdTt) { return jdTt >= PLUTO_FIRST_JD && jdTt < PLUTO_LAST_JD; }

void PlutoPosition(double jdTt, double position[3]) {
  const double t = JulianCenturies(jdTt);
  // Mean longitudes of Jupiter, Saturn and Pluto, degrees.
  const double j = 34.35 + 3034.9057 * t;
  const double s = 50.08 + 1222.1138 * t;
  const double p = 238.96 + 144.96 * t;
  double lon = 0.0, lat = 0.0, radius = 0.0;
  for (const PlutoTerm& term : PLUTO_TERMS) {
    const double alpha = (term.j * j + term.s * s + term.p * p) * DEG_TO_RAD;
    const double sa = std::sin(alpha), ca = std::cos(alpha);
    lon += term.lonSin * sa + term.lonCos * ca;
    lat += term.latSin * sa + term.latCos * ca;
    radius += term.radiusSin * sa + term.radiusCos * ca;
  }
  lon = (lon + 238.958116 + 144.96 * t) * DEG_TO_RAD;
  lat = (lat - 3.908239) * DEG_TO_RAD;
  radius += 40.7241346;
  const double ecliptic[3] = {radius * std::cos(lat) * std::cos(lon),
                              radius * std::cos(lat) * std::sin(lon), radius * std::sin(lat)};
  EclipticToEquatorial(ecliptic, position);
}

}  // namespace halvane
