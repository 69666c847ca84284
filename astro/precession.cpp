// The IAU 1976 precession matrix and the rotation between J2000.0 and B1875.0.
#include "astro/precession.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/calendar.h"

namespace halvane {

namespace {

constexpr double RADIANS_PER_ARCSECOND = DEG_TO_RAD / 3600.0;

using Vector = std::array<double, 3>;

const RotationMatrix& Precession() {
  static const RotationMatrix matrix = PrecessionFromJ2000(JD_B1875);
  return matrix;
}

void Rotate(bool inverse, double& ra, double& dec) {
  const RotationMatrix& m = Precession();
  const Vector v = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
  Vector r{};
  for (size_t i = 0; i < 3; ++i) {
    for (size_t k = 0; k < 3; ++k) r[i] += (inverse ? m[k][i] : m[i][k]) * v[k];
  }
  ra = std::atan2(r[1], r[0]);
  if (ra < 0.0) ra += TWO_PI;
  if (ra >= TWO_PI) ra = 0.0;
  dec = std::asin(std::clamp(r[2], -1.0, 1.0));
}

}  // namespace

RotationMatrix PrecessionFromJ2000(double julianDay) {
  const double t = JulianCenturies(julianDay);
  const double zeta = ((0.017998 * t + 0.30188) * t + 2306.2181) * t * RADIANS_PER_ARCSECOND;
  const double z = ((0.018203 * t + 1.09468) * t + 2306.2181) * t * RADIANS_PER_ARCSECOND;
  const double theta = ((-0.041833 * t - 0.42665) * t + 2004.3109) * t * RADIANS_PER_ARCSECOND;
  const double cz = std::cos(zeta), sz = std::sin(zeta);
  const double cZ = std::cos(z), sZ = std::sin(z);
  const double ct = std::cos(theta), st = std::sin(theta);
  return {{{cZ * ct * cz - sZ * sz, -cZ * ct * sz - sZ * cz, -cZ * st},
           {sZ * ct * cz + cZ * sz, -sZ * ct * sz + cZ * cz, -sZ * st},
           {st * cz, -st * sz, ct}}};
}

void J2000ToB1875(double& rightAscension, double& declination) {
  Rotate(false, rightAscension, declination);
}

void B1875ToJ2000(double& rightAscension, double& declination) {
  Rotate(true, rightAscension, declination);
}

}  // namespace halvane
