// The spherical-harmonic sum of the World Magnetic Model, degree and order 12.
#include "astro/geomagnetic_field.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

struct WmmTerm {
  int n, m;
  double g, h;    // nT at the epoch
  double dg, dh;  // nT per year
};

#include "astro/generated/wmm2025_coefficients.inc"

constexpr double ELLIPSOID_A = 6378.137;                              // WGS 84 semi-major axis, km
constexpr double ELLIPSOID_F = 1.0 / 298.257223563;                   // WGS 84 flattening
constexpr double ECCENTRICITY_2 = ELLIPSOID_F * (2.0 - ELLIPSOID_F);  // first eccentricity squared
constexpr double REFERENCE_RADIUS = 6371.2;   // the model's geomagnetic radius, km
constexpr double MODEL_FIRST_YEAR = 2024.87;  // 13 November 2024, the model's release
constexpr double MODEL_LAST_YEAR = 2029.87;   // five years on
constexpr int SIZE = WMM_DEGREES + 1;

// Schmidt semi-normalised associated Legendre functions P[n][m](cos theta) and their derivatives
// with respect to the colatitude theta, by the usual recursions in n.
void Legendre(double cosTheta, double sinTheta, double p[SIZE][SIZE], double dp[SIZE][SIZE]) {
  p[0][0] = 1.0;
  dp[0][0] = 0.0;
  for (int n = 1; n < SIZE; ++n) {
    const double diagonal = n == 1 ? 1.0 : std::sqrt((2.0 * n - 1.0) / (2.0 * n));
    p[n][n] = diagonal * sinTheta * p[n - 1][n - 1];
    dp[n][n] = diagonal * (cosTheta * p[n - 1][n - 1] + sinTheta * dp[n - 1][n - 1]);
    for (int m = 0; m < n; ++m) {
      const double k = std::sqrt(double(n * n - m * m));
      const double back = n >= 2 ? std::sqrt(double((n - 1) * (n - 1) - m * m)) : 0.0;
      const double p2 = n >= 2 && m <= n - 2 ? p[n - 2][m] : 0.0;
      const double dp2 = n >= 2 && m <= n - 2 ? dp[n - 2][m] : 0.0;
      p[n][m] = ((2.0 * n - 1.0) * cosTheta * p[n - 1][m] - back * p2) / k;
      dp[n][m] =
          ((2.0 * n - 1.0) * (cosTheta * dp[n - 1][m] - sinTheta * p[n - 1][m]) - back * dp2) / k;
    }
  }
}

}  // namespace

MagneticField MagneticFieldAt(double latitude, double longitudeEast, double heightKm, double year) {
  if (!std::isfinite(latitude) || !std::isfinite(longitudeEast) || !std::isfinite(heightKm) ||
      !std::isfinite(year)) {
    return {0.0, 0.0, 0.0};
  }
  const double t = std::clamp(year, MODEL_FIRST_YEAR, MODEL_LAST_YEAR) - WMM_EPOCH;
  // Geodetic to geocentric spherical coordinates (equations 7 and 8).
  const double phi = std::clamp(latitude, -90.0, 90.0) * DEG_TO_RAD;
  const double sinPhi = std::sin(phi);
  const double primeVertical = ELLIPSOID_A / std::sqrt(1.0 - ECCENTRICITY_2 * sinPhi * sinPhi);
  const double p = (primeVertical + heightKm) * std::cos(phi);
  const double z = (primeVertical * (1.0 - ECCENTRICITY_2) + heightKm) * sinPhi;
  const double r = std::hypot(p, z);
  const double phiC = std::atan2(z, p);
  const double lambda = longitudeEast * DEG_TO_RAD;
  // A pole leaves the east sum undefined; a hair off it the field is continuous.
  const double cosPhiC = std::max(std::cos(phiC), 1e-12);

  double legendre[SIZE][SIZE];
  double derivative[SIZE][SIZE];
  Legendre(std::sin(phiC), cosPhiC, legendre, derivative);

  // Equations 10 to 12, the derivative in the colatitude (d/dphi = -d/dtheta).
  double north = 0.0, east = 0.0, down = 0.0;
  for (const WmmTerm& term : WMM_TERMS) {
    const double g = term.g + t * term.dg;
    const double h = term.h + t * term.dh;
    const double ratio = std::pow(REFERENCE_RADIUS / r, term.n + 2);
    const double cosM = std::cos(term.m * lambda);
    const double sinM = std::sin(term.m * lambda);
    const double cosine = g * cosM + h * sinM;
    north += ratio * cosine * derivative[term.n][term.m];
    east += ratio * term.m * (g * sinM - h * cosM) * legendre[term.n][term.m];
    down -= ratio * (term.n + 1) * cosine * legendre[term.n][term.m];
  }
  east /= cosPhiC;
  // From the geocentric to the ellipsoidal frame (equation 17).
  const double tilt = phiC - phi;
  return {north * std::cos(tilt) - down * std::sin(tilt), east,
          north * std::sin(tilt) + down * std::cos(tilt)};
}

double MagneticDeclination(double latitude, double longitudeEast, double heightKm, double year) {
  const MagneticField field = MagneticFieldAt(latitude, longitudeEast, heightKm, year);
  if (field.north == 0.0 && field.east == 0.0) return 0.0;
  return std::atan2(field.east, field.north) * RAD_TO_DEG;
}

}  // namespace halvane
