// Satellite geometry for an observer: the Earth's turn, the horizon, the Earth's shadow.
#include "astro/satellite_view.h"

#include <erfa.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/sidereal_time.h"

namespace halvane {
namespace {

constexpr double EARTH_RADIUS_KM = 6378.137;  // WGS-84 equatorial radius
constexpr double SUN_RADIUS_KM = 695700.0;    // IAU 2015 nominal
constexpr double AU_KM = 149597870.7;         // IAU 2012
constexpr double EARTH_TURN_RAD_PER_S =
    7.292115e-5;  // the Earth's rate, as the model's frame turns

double Dot3(const double a[3], const double b[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

void TemeToEarthFixed(const double teme[3], double jdUt, double earthFixed[3]) {
  const double theta = Gmst1982(jdUt, 0.0);
  const double c = std::cos(theta), s = std::sin(theta);
  earthFixed[0] = c * teme[0] + s * teme[1];
  earthFixed[1] = -s * teme[0] + c * teme[1];
  earthFixed[2] = teme[2];
}

HorizonFrame::HorizonFrame(const GroundSite& site) {
  double metres[3] = {0.0, 0.0, 0.0};
  const double lat = site.latitude * DEG_TO_RAD;
  const double lon = EastLongitude(site.longitude) * DEG_TO_RAD;
  if (eraGd2gc(1, lon, lat, site.heightKm * 1000.0, metres) != 0) {
    metres[0] = metres[1] = metres[2] = 0.0;
  }
  for (int i = 0; i < 3; ++i) position[i] = metres[i] / 1000.0;
  siteRadius = std::sqrt(Dot3(position, position));
  const double sinLat = std::sin(lat), cosLat = std::cos(lat);
  const double sinLon = std::sin(lon), cosLon = std::cos(lon);
  north = {-sinLat * cosLon, -sinLat * sinLon, cosLat};
  east = {-sinLon, cosLon, 0.0};
  up = {cosLat * cosLon, cosLat * sinLon, sinLat};
}

SatelliteLook HorizonFrame::Look(const TemeState& state, double jdUt) const {
  const double theta = Gmst1982(jdUt, 0.0);
  const double c = std::cos(theta), s = std::sin(theta);
  const double* r = state.position;
  const double* v = state.velocity;
  const double fixed[3] = {c * r[0] + s * r[1], -s * r[0] + c * r[1], r[2]};
  // The Earth-fixed velocity loses the frame's own turn.
  const double velocity[3] = {c * v[0] + s * v[1] + EARTH_TURN_RAD_PER_S * fixed[1],
                              -s * v[0] + c * v[1] - EARTH_TURN_RAD_PER_S * fixed[0], v[2]};
  const Direction offset{fixed[0] - position[0], fixed[1] - position[1], fixed[2] - position[2]};
  const Direction motion{velocity[0], velocity[1], velocity[2]};
  SatelliteLook look;
  look.rangeKm = std::sqrt(Dot(offset, offset));
  const double radius = std::sqrt(Dot3(fixed, fixed));
  if (!(look.rangeKm > 0.0) || !(radius > 0.0)) return look;
  look.rangeRateKmPerS = Dot(offset, motion) / look.rangeKm;
  const double inverse = 1.0 / look.rangeKm;
  look.horizontal = {Dot(north, offset) * inverse, Dot(east, offset) * inverse,
                     Dot(up, offset) * inverse};
  look.azimuth = std::atan2(look.horizontal.y, look.horizontal.x);
  if (look.azimuth < 0.0) look.azimuth += TWO_PI;
  const double sine = std::fmax(-1.0, std::fmin(1.0, look.horizontal.z));
  look.altitude = std::asin(sine);
  // d(sin alt)/dt over cos alt.
  const double sineRate = (Dot(up, motion) - sine * look.rangeRateKmPerS) * inverse;
  const double cosine = std::sqrt(std::fmax(1e-12, 1.0 - sine * sine));
  look.altitudeRate = sineRate / cosine;
  look.centralAngle =
      std::acos(std::fmax(-1.0, std::fmin(1.0, Dot3(fixed, position) / (radius * siteRadius))));
  return look;
}

double HorizonFrame::AltitudeOf(const double teme[3], double jdUt) const {
  double fixed[3];
  TemeToEarthFixed(teme, jdUt, fixed);
  const Direction offset{fixed[0] - position[0], fixed[1] - position[1], fixed[2] - position[2]};
  return std::atan2(Dot(up, offset), std::hypot(Dot(north, offset), Dot(east, offset)));
}

void SunPosition(double jdUt, double sunKm[3]) {
  double heliocentric[2][3];
  double barycentric[2][3];
  // TT and UT differ by a minute at most, a 0.04 arcsecond step of the Sun.
  eraEpv00(jdUt, 0.0, heliocentric, barycentric);
  double geocentric[3] = {-heliocentric[0][0] * AU_KM, -heliocentric[0][1] * AU_KM,
                          -heliocentric[0][2] * AU_KM};
  double precession[3][3];
  eraPmat06(jdUt, 0.0, precession);
  eraRxp(precession, geocentric, sunKm);
}

SatelliteLight LightOf(const double position[3], const double sunKm[3]) {
  const double toSun[3] = {sunKm[0] - position[0], sunKm[1] - position[1], sunKm[2] - position[2]};
  const double toEarth[3] = {-position[0], -position[1], -position[2]};
  const double earthDistance = std::sqrt(Dot3(toEarth, toEarth));
  const double sunDistance = std::sqrt(Dot3(toSun, toSun));
  if (!(earthDistance > EARTH_RADIUS_KM) || !(sunDistance > 0.0)) return SatelliteLight::Umbra;
  const double earthRadius = std::asin(EARTH_RADIUS_KM / earthDistance);
  const double sunRadius = std::asin(std::fmin(1.0, SUN_RADIUS_KM / sunDistance));
  const double separation = std::acos(
      std::fmax(-1.0, std::fmin(1.0, Dot3(toSun, toEarth) / (sunDistance * earthDistance))));
  if (separation >= earthRadius + sunRadius) return SatelliteLight::Sunlit;
  if (separation <= earthRadius - sunRadius) return SatelliteLight::Umbra;
  return SatelliteLight::Penumbra;
}

}  // namespace halvane
