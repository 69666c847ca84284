// Two-body motion of comets and asteroids and their places seen from the Earth.
#include "astro/minor_body.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/solar_system.h"
#include "astro/vsop87.h"

namespace halvane {
namespace {

constexpr double GAUSS_K = 0.01720209895;  // Gauss' gravitational constant, AU^1.5 per day
constexpr double MU = GAUSS_K * GAUSS_K;   // the Sun's GM, AU^3 per day^2
constexpr double LIGHT_AU_PER_DAY = 173.1446326846693;
// Beyond this eccentricity an ellipse goes through the universal form, which stays exact where
// Kepler's equation loses its digits near perihelion.
constexpr double KEPLER_LIMIT = 0.98;
constexpr int MAX_ITERATIONS = 200;

using Vector = std::array<double, 3>;

double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const Vector& a) { return std::sqrt(Dot(a, a)); }

// Position and velocity in the orbit's plane: x towards perihelion, y 90 degrees on.
struct PlaneState {
  double x, y, vx, vy;
};

PlaneState Elliptic(const MinorBodyElements& el, double dt) {
  const double e = el.eccentricity;
  const double a = el.perihelionDistance / (1.0 - e);
  const double n = GAUSS_K / (a * std::sqrt(a));
  const double meanAnomaly = WrapToHalfTurn(n * dt);
  double E = e < 0.8 ? meanAnomaly : std::copysign(PI, meanAnomaly);
  for (int i = 0; i < MAX_ITERATIONS; ++i) {
    const double step = (E - e * std::sin(E) - meanAnomaly) / (1.0 - e * std::cos(E));
    E -= step;
    if (std::fabs(step) < 1e-14) break;
  }
  const double cosE = std::cos(E), sinE = std::sin(E);
  const double b = a * std::sqrt((1.0 - e) * (1.0 + e));
  const double rate = n / (1.0 - e * cosE);
  return {a * (cosE - e), b * sinE, -a * sinE * rate, b * cosE * rate};
}

// Stumpff's c1, c2 and c3 of x; series where the closed forms cancel.
void Stumpff(double x, double& c1, double& c2, double& c3) {
  if (std::fabs(x) < 1.0) {
    c2 = 0.0;
    c3 = 0.0;
    double term2 = 0.5, term3 = 1.0 / 6.0;
    for (int j = 0; j < 12; ++j) {
      c2 += term2;
      c3 += term3;
      term2 *= -x / ((2 * j + 3) * (2 * j + 4));
      term3 *= -x / ((2 * j + 4) * (2 * j + 5));
    }
    c1 = 1.0 - x * c3;
    return;
  }
  double c0 = 0.0;
  if (x > 0.0) {
    const double s = std::sqrt(x);
    c0 = std::cos(s);
    c1 = std::sin(s) / s;
  } else {
    const double s = std::sqrt(-x);
    c0 = std::cosh(s);
    c1 = std::sinh(s) / s;
  }
  c2 = (1.0 - c0) / x;
  c3 = (1.0 - c1) / x;
}

// Kepler's equation from perihelion in the universal anomaly s: t - T = q s c1 + mu s^3 c3,
// whose derivative in s is the radius; Newton's steps kept inside a bracket.
PlaneState Universal(const MinorBodyElements& el, double dt) {
  const double q = el.perihelionDistance;
  const double e = el.eccentricity;
  const double alpha = MU * (1.0 - e) / q;  // 1 / a times mu: > 0 elliptic, < 0 hyperbolic
  if (alpha > 0.0) dt = std::remainder(dt, TWO_PI * std::sqrt(MU / (alpha * alpha * alpha)));
  const double target = std::fabs(dt);
  auto kepler = [&](double s, double& c1, double& c2, double& c3) {
    Stumpff(alpha * s * s, c1, c2, c3);
    return q * s * c1 + MU * s * s * s * c3 - target;
  };
  double c1 = 1.0, c2 = 0.5, c3 = 1.0 / 6.0;
  double lo = 0.0;
  double hi = std::min(target / q, std::cbrt(6.0 * target / MU));
  for (int i = 0; i < MAX_ITERATIONS && !(kepler(hi, c1, c2, c3) >= 0.0); ++i) hi = 2.0 * hi + 1.0;
  double s = hi;
  for (int i = 0; i < MAX_ITERATIONS; ++i) {
    const double f = kepler(s, c1, c2, c3);
    if (f == 0.0) break;
    (f > 0.0 ? hi : lo) = s;
    const double r = q + MU * e * s * s * c2;
    double next = s - f / r;
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - s) <= 1e-15 * std::fabs(s) || hi - lo <= 1e-15 * hi) {
      s = next;
      break;
    }
    s = next;
  }
  kepler(s, c1, c2, c3);
  s = std::copysign(s, dt);
  const double r = q + MU * e * s * s * c2;
  const double vp = std::sqrt(MU * (1.0 + e) / q);  // speed at perihelion
  const double f = 1.0 - MU / q * s * s * c2;
  const double g = q * s * c1;  // Lagrange's g: t - T less mu s^3 c3, without its cancellation
  return {f * q, g * vp, -MU * s * c1 / r, (1.0 - MU * s * s * c2 / r) * vp};
}

Vector ToEquator(const Vector& ecliptic) {
  double equatorial[3];
  const double in[3] = {ecliptic[0], ecliptic[1], ecliptic[2]};
  EclipticToEquatorial(in, equatorial);
  return {equatorial[0], equatorial[1], equatorial[2]};
}

}  // namespace

OrbitState MinorBodyState(const MinorBodyElements& el, double jdTt) {
  const double dt = jdTt - el.perihelionTime;
  const PlaneState p = el.eccentricity < KEPLER_LIMIT ? Elliptic(el, dt) : Universal(el, dt);
  const double cw = std::cos(el.argumentOfPerihelion), sw = std::sin(el.argumentOfPerihelion);
  const double cn = std::cos(el.ascendingNode), sn = std::sin(el.ascendingNode);
  const double ci = std::cos(el.inclination), si = std::sin(el.inclination);
  const Vector P = {cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si};
  const Vector Q = {-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si};
  Vector position, velocity;
  for (int k = 0; k < 3; ++k) {
    position[k] = p.x * P[k] + p.y * Q[k];
    velocity[k] = p.vx * P[k] + p.vy * Q[k];
  }
  return {ToEquator(position), ToEquator(velocity)};
}

MinorBodyPlace MinorBodyPlaceFrom(const MinorBodyElements& el, const Vector& observer,
                                  double jdTt) {
  MinorBodyPlace place;
  const OrbitState state = MinorBodyState(el, jdTt);
  Vector fromSun = state.position;
  Vector toBody{};
  for (int pass = 0; pass < 3; ++pass) {
    for (int k = 0; k < 3; ++k) toBody[k] = fromSun[k] - observer[k];
    const double tau = Norm(toBody) / LIGHT_AU_PER_DAY;
    for (int k = 0; k < 3; ++k) fromSun[k] = state.position[k] - state.velocity[k] * tau;
  }
  for (int k = 0; k < 3; ++k) toBody[k] = fromSun[k] - observer[k];
  place.distance = Norm(toBody);
  place.sunDistance = Norm(fromSun);
  if (!std::isfinite(place.distance) || !std::isfinite(place.sunDistance) ||
      !(place.distance > 0.0) || !(place.sunDistance > 0.0)) {
    return {};
  }
  const double ra = std::atan2(toBody[1], toBody[0]);
  place.rightAscension = ra < 0.0 ? ra + TWO_PI : ra;
  place.declination = std::atan2(toBody[2], std::hypot(toBody[0], toBody[1]));
  place.phaseAngle =
      std::acos(std::clamp(Dot(toBody, fromSun) / (place.distance * place.sunDistance), -1.0, 1.0));
  place.magnitude = MinorBodyMagnitude(el, place.sunDistance, place.distance, place.phaseAngle);
  const double sa = std::sin(place.rightAscension), ca = std::cos(place.rightAscension);
  const double sd = std::sin(place.declination), cd = std::cos(place.declination);
  const Vector east = {-sa, ca, 0.0};
  const Vector north = {-sd * ca, -sd * sa, cd};
  const double tail = std::atan2(Dot(fromSun, east), Dot(fromSun, north));
  place.tailAngle = tail < 0.0 ? tail + TWO_PI : tail;
  place.available = true;
  return place;
}

std::vector<MinorBodyPlace> ComputeMinorBodies(const MinorBodyList& bodies, double jdUt,
                                               double jdTt, double longitude, double latitude) {
  std::vector<MinorBodyPlace> places(bodies.size());
  if (!std::isfinite(jdUt) || !std::isfinite(jdTt)) return places;
  const Vector observer = ObserverHeliocentricPosition(jdUt, jdTt, longitude, latitude);
  for (size_t i = 0; i < bodies.size(); ++i)
    places[i] = MinorBodyPlaceFrom(bodies[i], observer, jdTt);
  return places;
}

double MinorBodyMagnitude(const MinorBodyElements& el, double sunDistance, double distance,
                          double phaseAngle) {
  double m = 0.0;
  if (el.kind == MinorBodyKind::Comet) {
    m = el.absoluteMagnitude + 5.0 * std::log10(distance) +
        2.5 * el.slope * std::log10(sunDistance);
  } else {
    const double t = std::tan(0.5 * std::clamp(phaseAngle, 0.0, PI));
    const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
    m = el.absoluteMagnitude + 5.0 * std::log10(sunDistance * distance) -
        2.5 * std::log10((1.0 - el.slope) * phi1 + el.slope * phi2);
  }
  return std::isfinite(m) ? m : 99.0;
}

}  // namespace halvane
