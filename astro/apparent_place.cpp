// Apparent places of date from ERFA's precession-nutation, aberration and sidereal time.
#include "astro/apparent_place.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

constexpr double LIGHT_AU_PER_DAY = 173.1446326846693;  // speed of light, AU per day
constexpr double PRESSURE_HPA = 1010.0;                 // standard atmosphere
constexpr double TEMPERATURE_C = 10.0;
constexpr double HUMIDITY = 0.0;
constexpr double WAVELENGTH_UM = 0.55;                 // visual light, micrometres
constexpr double JOIN_ALTITUDE = 10.0 * DEG_TO_RAD;    // the two refraction models meet here
constexpr double LOWEST_ALTITUDE = -1.0 * DEG_TO_RAD;  // no refraction below

struct RefractionModel {
  double a, b;   // radians, eraRefco's coefficients
  double scale;  // Saemundsson's formula times this meets A tan z + B tan^3 z at JOIN_ALTITUDE
};

double TanZModel(const RefractionModel& m, double altitude) {
  const double tz = std::tan(HALF_PI - altitude);
  return (m.a + m.b * tz * tz) * tz;
}

// Saemundsson: R = 1.02' / tan(h + 10.3 / (h + 5.11)), h in degrees.
double Saemundsson(double altitude) {
  const double h = altitude * RAD_TO_DEG;
  return 1.02 / 60.0 * DEG_TO_RAD / std::tan((h + 10.3 / (h + 5.11)) * DEG_TO_RAD);
}

RefractionModel MakeModel() {
  RefractionModel m{};
  eraRefco(PRESSURE_HPA, TEMPERATURE_C, HUMIDITY, WAVELENGTH_UM, &m.a, &m.b);
  m.scale = TanZModel(m, JOIN_ALTITUDE) / Saemundsson(JOIN_ALTITUDE);
  return m;
}

}  // namespace

ApparentPlace::ApparentPlace(double jdUt, double jdTt, double longitude)
    : rotation{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}},
      velocity{0.0, 0.0, 0.0},
      sunDistance(1.0),
      inverseLorentz(1.0),
      siderealAngle(0.0) {
  if (!std::isfinite(jdUt) || !std::isfinite(jdTt) || !std::isfinite(longitude)) return;
  eraPnm06a(jdTt, 0.0, rotation);
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(jdTt, 0.0, heliocentric, barycentric);  // status 1 outside 1900-2100: still usable
  double v2 = 0.0;
  for (int i = 0; i < 3; ++i) {
    velocity[i] = barycentric[1][i] / LIGHT_AU_PER_DAY;
    v2 += velocity[i] * velocity[i];
  }
  inverseLorentz = std::sqrt(1.0 - v2);
  sunDistance = eraPm(heliocentric[0]);
  siderealAngle =
      WrapToTurn(eraGst06a(jdUt, 0.0, jdTt, 0.0) - NormalizeAngle(longitude, 360.0) * DEG_TO_RAD);
}

void ApparentPlace::ToApparent(double rightAscension, double declination,
                               double& apparentRightAscension, double& apparentDeclination) const {
  double natural[3], aberrated[3], ofDate[3];
  eraS2c(rightAscension, declination, natural);
  // eraAb reads its inputs only; the casts meet its C signature.
  eraAb(natural, const_cast<double*>(velocity), sunDistance, inverseLorentz, aberrated);
  eraRxp(const_cast<double(*)[3]>(rotation), aberrated, ofDate);
  eraC2s(ofDate, &apparentRightAscension, &apparentDeclination);
  apparentRightAscension = WrapToTurn(apparentRightAscension);
}

void ApparentPlace::FromApparent(double apparentRightAscension, double apparentDeclination,
                                 double& rightAscension, double& declination) const {
  double ofDate[3], aberrated[3], natural[3], trial[3];
  eraS2c(apparentRightAscension, apparentDeclination, ofDate);
  eraTrxp(const_cast<double(*)[3]>(rotation), ofDate, aberrated);
  // Aberration moves a direction by 1e-4 at most, so each step gains four digits.
  eraCp(aberrated, natural);
  for (int step = 0; step < 3; ++step) {
    eraAb(natural, const_cast<double*>(velocity), sunDistance, inverseLorentz, trial);
    for (int i = 0; i < 3; ++i) natural[i] += aberrated[i] - trial[i];
  }
  eraC2s(natural, &rightAscension, &declination);
  rightAscension = WrapToTurn(rightAscension);
}

double ApparentPlace::LargestShift() const {
  const double trace = rotation[0][0] + rotation[1][1] + rotation[2][2];
  const double angle = std::acos(std::clamp((trace - 1.0) * 0.5, -1.0, 1.0));
  // eraAb's second-order terms add under a percent of the first.
  return angle +
         1.01 * std::sqrt(eraPdp(const_cast<double*>(velocity), const_cast<double*>(velocity)));
}

double Refraction(double altitude) {
  static const RefractionModel MODEL = MakeModel();
  if (!(altitude > LOWEST_ALTITUDE)) return 0.0;
  if (altitude >= JOIN_ALTITUDE) return TanZModel(MODEL, altitude);
  return MODEL.scale * Saemundsson(altitude);
}

}  // namespace halvane
