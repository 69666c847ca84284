// Sums the truncated VSOP87B terms, with their time derivatives for the velocity.
#include "astro/vsop87.h"

#include <cmath>
#include <cstdint>

#include "astro/sidereal_time.h"

namespace halvane {
namespace {

struct VsopTerm {
  double amplitude;  // radians for L and B, AU for R
  double phase;      // radians
  double frequency;  // radians per Julian millennium
};

struct VsopRange {
  uint16_t first;
  uint16_t count;
};

#include "astro/generated/vsop87b_terms.inc"

constexpr double DAYS_PER_MILLENNIUM = 365250.0;  // Julian millennium, days

// One coordinate: the value and its derivative per millennium, sum over powers of t of
// t^n * S_n(t), each S_n a sum of A cos(B + C t).
void SumCoordinate(const VsopRange (&powers)[6], double t, double& value, double& rate) {
  value = 0.0;
  rate = 0.0;
  for (int n = 5; n >= 0; --n) {
    double s = 0.0;
    double ds = 0.0;
    const VsopTerm* term = VSOP87B_TERMS + powers[n].first;
    const VsopTerm* end = term + powers[n].count;
    for (; term != end; ++term) {
      const double angle = term->phase + term->frequency * t;
      s += term->amplitude * std::cos(angle);
      ds -= term->amplitude * term->frequency * std::sin(angle);
    }
    // Horner's rule on the powers; the derivative of v t + s is v' t + v + s'.
    rate = rate * t + value + ds;
    value = value * t + s;
  }
}

}  // namespace

void EclipticToEquatorial(const double e[3], double q[3]) {
  // clang-format off
  q[0] = e[0] + 0.000000440360 * e[1] - 0.000000190919 * e[2];
  q[1] = -0.000000479966 * e[0] + 0.917482137087 * e[1] - 0.397776982902 * e[2];
  q[2] = 0.397776982902 * e[1] + 0.917482137087 * e[2];
  // clang-format on
}

HeliocentricState PlanetState(Planet planet, double jdTt) {
  const double t = (jdTt - JD_J2000) / DAYS_PER_MILLENNIUM;
  const auto& series = VSOP87B_RANGES[static_cast<int>(planet)];
  double l, dl, b, db, r, dr;
  SumCoordinate(series[0], t, l, dl);
  SumCoordinate(series[1], t, b, db);
  SumCoordinate(series[2], t, r, dr);

  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  const double ecliptic[3] = {r * cb * cl, r * cb * sl, r * sb};
  // Derivative of the spherical-to-rectangular step, per day.
  dl /= DAYS_PER_MILLENNIUM;
  db /= DAYS_PER_MILLENNIUM;
  dr /= DAYS_PER_MILLENNIUM;
  const double eclipticRate[3] = {dr * cb * cl - r * sb * db * cl - r * cb * sl * dl,
                                  dr * cb * sl - r * sb * db * sl + r * cb * cl * dl,
                                  dr * sb + r * cb * db};
  HeliocentricState state;
  EclipticToEquatorial(ecliptic, state.position);
  EclipticToEquatorial(eclipticRate, state.velocity);
  return state;
}

}  // namespace halvane
