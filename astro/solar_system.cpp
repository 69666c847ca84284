// Geometry of the solar system seen from a place on the Earth: light time, parallax, phase.
#include "astro/solar_system.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/body_magnitude.h"
#include "astro/pluto.h"
#include "astro/vsop87.h"

namespace halvane {
namespace {

constexpr double AU_KM = 149597870.7;                   // astronomical unit, km (IAU 2012)
constexpr double AU_M = AU_KM * 1000.0;                 // astronomical unit, m
constexpr double LIGHT_AU_PER_DAY = 173.1446326846693;  // speed of light, AU per day
constexpr double RING_POLE_RA = 40.589 * DEG_TO_RAD;    // Saturn's pole at J2000 (IAU), radians
constexpr double RING_POLE_DEC = 83.537 * DEG_TO_RAD;   // radians

// Equatorial radii, km (IAU working group on cartographic coordinates, 2015; the Sun's nominal
// radius of IAU 2015 B3). Indexed by Body.
constexpr double RADIUS_KM[BODY_COUNT] = {695700.0, 1737.4,  2440.53, 6051.8,  3396.19,
                                          71492.0,  60268.0, 25559.0, 24764.0, 1188.3};

using Vector = std::array<double, 3>;

Vector Add(const Vector& a, const Vector& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vector Sub(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vector Scaled(const Vector& a, double k) { return {a[0] * k, a[1] * k, a[2] * k}; }
double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const Vector& a) { return std::sqrt(Dot(a, a)); }
Vector ToVector(const double v[3]) { return {v[0], v[1], v[2]}; }

// Angle between two vectors, radians in [0, pi]; robust near 0 and pi.
double AngleBetween(const Vector& a, const Vector& b) {
  const Vector c = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                    a[0] * b[1] - a[1] * b[0]};
  return std::atan2(Norm(c), Dot(a, b));
}

// The observer's geocentric position in AU on the J2000 equator (GCRS): the WGS84 point turned
// by the mean sidereal time and back from the mean equator of date. Nutation moves it by under
// 20 arcseconds, which shifts even the Moon by less than half an arcsecond.
Vector ObserverPosition(double jdUt, double jdTt, double longitude, double latitude) {
  double site[3];
  if (eraGd2gc(1, EastLongitude(longitude) * DEG_TO_RAD, latitude * DEG_TO_RAD, 0.0, site) != 0) {
    return {0.0, 0.0, 0.0};
  }
  const double theta = eraGmst06(jdUt, 0.0, jdTt, 0.0);
  const double c = std::cos(theta), s = std::sin(theta);
  double ofDate[3] = {(c * site[0] - s * site[1]) / AU_M, (s * site[0] + c * site[1]) / AU_M,
                      site[2] / AU_M};
  double precession[3][3];
  eraPmat06(jdTt, 0.0, precession);
  double gcrs[3];
  eraTrxp(precession, ofDate, gcrs);
  return ToVector(gcrs);
}

// Place seen from the observer of a body at `toBody` (observer to body, AU), whose
// heliocentric position is `fromSun`.
struct Geometry {
  Vector toBody;
  Vector fromSun;
};

void FillPlace(Body body, const Geometry& g, BodyPlace& place) {
  const Vector& d = g.toBody;
  place.available = true;
  place.distance = Norm(d);
  place.rightAscension = std::atan2(d[1], d[0]);
  if (place.rightAscension < 0.0) place.rightAscension += TWO_PI;
  place.declination = std::atan2(d[2], std::hypot(d[0], d[1]));
  const double ratio = RADIUS_KM[static_cast<int>(body)] / (place.distance * AU_KM);
  place.diameter = 2.0 * std::asin(std::min(ratio, 1.0));
}

// Saturn's ring tilt and the ring-plane longitude difference of the Sun and the observer.
void SaturnRings(const Geometry& g, double& tilt, double& longitudeDifference) {
  const Vector pole = {std::cos(RING_POLE_DEC) * std::cos(RING_POLE_RA),
                       std::cos(RING_POLE_DEC) * std::sin(RING_POLE_RA), std::sin(RING_POLE_DEC)};
  // Two axes in the ring plane: towards the node on the J2000 equator and 90 degrees on.
  const double h = std::hypot(pole[0], pole[1]);
  const Vector a = {-pole[1] / h, pole[0] / h, 0.0};
  const Vector b = {pole[1] * a[2] - pole[2] * a[1], pole[2] * a[0] - pole[0] * a[2],
                    pole[0] * a[1] - pole[1] * a[0]};
  const Vector toObserver = Scaled(g.toBody, -1.0);
  const Vector toSun = Scaled(g.fromSun, -1.0);
  tilt = std::asin(std::clamp(Dot(toObserver, pole) / Norm(toObserver), -1.0, 1.0));
  const double observerLongitude = std::atan2(Dot(toObserver, b), Dot(toObserver, a));
  const double sunLongitude = std::atan2(Dot(toSun, b), Dot(toSun, a));
  longitudeDifference = WrapToHalfTurn(sunLongitude - observerLongitude);
}

void FillPhase(Body body, const Geometry& g, const BodyPlace& sun, BodyPlace& place) {
  const double phaseAngle = AngleBetween(Scaled(g.toBody, -1.0), Scaled(g.fromSun, -1.0));
  place.illuminatedFraction = 0.5 * (1.0 + std::cos(phaseAngle));
  double tilt = 0.0, longitudeDifference = 0.0;
  if (body == Body::SATURN) SaturnRings(g, tilt, longitudeDifference);
  place.magnitude =
      VisualMagnitude(body, Norm(g.fromSun), place.distance, phaseAngle, tilt, longitudeDifference);
  const double dRa = sun.rightAscension - place.rightAscension;
  const double chi =
      std::atan2(std::cos(sun.declination) * std::sin(dRa),
                 std::sin(sun.declination) * std::cos(place.declination) -
                     std::cos(sun.declination) * std::sin(place.declination) * std::cos(dRa));
  place.brightLimbAngle = chi < 0.0 ? chi + TWO_PI : chi;
}

// A body moving with `velocity` (AU per day) from `position` at the moment, seen at the time its
// light left it; two passes settle the light time well below a microsecond.
Vector LightTimeCorrected(const Vector& position, const Vector& velocity, const Vector& observer) {
  Vector toBody = Sub(position, observer);
  for (int pass = 0; pass < 2; ++pass) {
    const double tau = Norm(toBody) / LIGHT_AU_PER_DAY;
    toBody = Sub(Sub(position, Scaled(velocity, tau)), observer);
  }
  return toBody;
}

// Mercury to Neptune follow each other in Body from Mercury on.
constexpr int FIRST_PLANET_BODY = static_cast<int>(Body::MERCURY);
constexpr int PLANET_BODIES = 7;
constexpr Planet PLANETS[PLANET_BODIES] = {Planet::MERCURY, Planet::VENUS,  Planet::MARS,
                                           Planet::JUPITER, Planet::SATURN, Planet::URANUS,
                                           Planet::NEPTUNE};

}  // namespace

std::array<double, 3> ObserverHeliocentricPosition(double jdUt, double jdTt, double longitude,
                                                   double latitude) {
  if (!std::isfinite(jdUt) || !std::isfinite(jdTt) || !std::isfinite(longitude) ||
      !std::isfinite(latitude)) {
    return {0.0, 0.0, 0.0};
  }
  const HeliocentricState earth = PlanetState(Planet::EARTH, jdTt);
  return Add(ToVector(earth.position),
             ObserverPosition(jdUt, jdTt, longitude, std::clamp(latitude, -90.0, 90.0)));
}

SolarSystemPlaces ComputeSolarSystem(double jdUt, double jdTt, double longitude, double latitude) {
  SolarSystemPlaces places{};
  if (!std::isfinite(jdUt) || !std::isfinite(jdTt) || !std::isfinite(longitude) ||
      !std::isfinite(latitude)) {
    return places;
  }
  latitude = std::clamp(latitude, -90.0, 90.0);
  const HeliocentricState earth = PlanetState(Planet::EARTH, jdTt);
  const Vector site = ObserverPosition(jdUt, jdTt, longitude, latitude);
  const Vector observer = {earth.position[0] + site[0], earth.position[1] + site[1],
                           earth.position[2] + site[2]};

  // The Sun sits at the origin of the heliocentric series: no light-time motion.
  Geometry geometry[BODY_COUNT];
  geometry[0] = {Scaled(observer, -1.0), {0.0, 0.0, 0.0}};
  FillPlace(Body::SUN, geometry[0], places[0]);
  places[0].magnitude = VisualMagnitude(Body::SUN, 0.0, places[0].distance, 0.0);
  places[0].illuminatedFraction = 1.0;

  double moon[2][3];
  eraMoon98(jdTt, 0.0, moon);
  const Vector moonToBody = LightTimeCorrected(ToVector(moon[0]), ToVector(moon[1]), site);
  geometry[1] = {moonToBody, Add(ToVector(earth.position), ToVector(moon[0]))};

  for (int k = 0; k < PLANET_BODIES; ++k) {
    const HeliocentricState state = PlanetState(PLANETS[k], jdTt);
    const Vector toBody =
        LightTimeCorrected(ToVector(state.position), ToVector(state.velocity), observer);
    geometry[FIRST_PLANET_BODY + k] = {toBody, Add(toBody, observer)};
  }

  const int pluto = static_cast<int>(Body::PLUTO);
  const bool withPluto = PlutoAvailable(jdTt);
  if (withPluto) {
    double position[3];
    PlutoPosition(jdTt, position);
    Vector toBody = Sub(ToVector(position), observer);
    for (int pass = 0; pass < 2; ++pass) {
      PlutoPosition(jdTt - Norm(toBody) / LIGHT_AU_PER_DAY, position);
      toBody = Sub(ToVector(position), observer);
    }
    geometry[pluto] = {toBody, ToVector(position)};
  }

  for (int i = 1; i < BODY_COUNT; ++i) {
    if (i == pluto && !withPluto) continue;
    const Body body = static_cast<Body>(i);
    FillPlace(body, geometry[i], places[i]);
    FillPhase(body, geometry[i], places[0], places[i]);
  }
  return places;
}

}  // namespace halvane
