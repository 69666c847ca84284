// Bracketing on a coarse grid, then a bracketed secant search for each crossing.
#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double SECOND = 1.0 / 86400.0;  // days
constexpr int MAX_REFINE_STEPS = 60;

// A sign change of f between a and b (f(a) < 0 <= f(b) or the reverse), closed to a second by
// the Illinois variant of the false position, which keeps the bracket and never stalls.
double Refine(const std::function<double(double)>& f, double a, double fa, double b, double fb) {
  int side = 0;
  for (int i = 0; i < MAX_REFINE_STEPS && b - a > SECOND; ++i) {
    const double c = (fa * b - fb * a) / (fa - fb);
    const double fc = f(c);
    if ((fc < 0) == (fa < 0)) {
      a = c;
      fa = fc;
      if (side == -1) fb *= 0.5;
      side = -1;
    } else {
      b = c;
      fb = fc;
      if (side == 1) fa *= 0.5;
      side = 1;
    }
  }
  return (fa * b - fb * a) / (fa - fb);
}

// The hour angle steps from +pi to -pi once a day; only a small step through 0 is a transit.
bool CrossesMeridian(double before, double after) {
  return before < 0 && after >= 0 && after - before < PI;
}

}  // namespace

HorizonPlace HorizonPlaceOf(double rightAscension, double declination, double siderealAngle,
                            double latitude) {
  const double hourAngle = WrapToHalfTurn(siderealAngle - rightAscension);
  const double sinAltitude = std::sin(latitude) * std::sin(declination) +
                             std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
  return {hourAngle, std::asin(std::clamp(sinAltitude, -1.0, 1.0))};
}

HorizonEvents FindHorizonEvents(const HorizonPlaceAt& placeAt, double jdStart, double jdEnd,
                                double horizon, double step) {
  HorizonEvents events;
  if (!std::isfinite(jdStart) || !std::isfinite(jdEnd) || !(jdEnd > jdStart) || !(step > 0)) {
    return events;
  }
  const auto height = [&](double jd) { return placeAt(jd).altitude - horizon; };
  const auto hourAngle = [&](double jd) { return placeAt(jd).hourAngle; };
  const int steps = static_cast<int>(std::ceil((jdEnd - jdStart) / step));
  double t0 = jdStart;
  HorizonPlace p0 = placeAt(t0);
  events.aboveAtStart = p0.altitude >= horizon;
  for (int i = 1; i <= steps; ++i) {
    const double t1 = i == steps ? jdEnd : jdStart + i * step;
    const HorizonPlace p1 = placeAt(t1);
    const double h0 = p0.altitude - horizon;
    const double h1 = p1.altitude - horizon;
    if ((h0 < 0) != (h1 < 0)) {
      const double t = Refine(height, t0, h0, t1, h1);
      (h0 < 0 ? events.risings : events.settings).push_back(t);
    }
    if (CrossesMeridian(p0.hourAngle, p1.hourAngle)) {
      events.transits.push_back(Refine(hourAngle, t0, p0.hourAngle, t1, p1.hourAngle));
    }
    t0 = t1;
    p0 = p1;
  }
  return events;
}

}  // namespace halvane
