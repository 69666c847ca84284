// The equatorial pre-test of the visible cap.
#include "catalog/cap_prefilter.h"

#include <cmath>
#include <initializer_list>

#include "astro/angles.h"
#include "astro/observer.h"

namespace halvane {

namespace {

// Rounding in the two routes to the angular distance differs by far less than this.
constexpr double COS_MARGIN = 1e-9;
// Away from these, the transform's north-point rule (azimuths within 1e-10 of north become
// south) cannot apply, so the horizontal position is the true one.
constexpr double MIN_SIN_HOUR = 1e-5;
constexpr double POLE_GUARD = 1e-4;

double Dot(double sinD1, double cosD1, double cosA1, double sinA1, double sinD2, double cosD2,
           double cosA2, double sinA2) {
  return sinD1 * sinD2 + cosD1 * cosD2 * (cosA1 * cosA2 + sinA1 * sinA2);
}

}  // namespace

CapPrefilter::CapPrefilter(const Observer& observer, const VisibleCap& cap) {
  // A cap wider than a hemisphere leaves too little outside it to pay for the test.
  if (cap.radius >= HALF_PI) return;
  double hour = 0.0;
  double declination = 0.0;
  observer.HorizontalToEquatorial(cap.azimuth, cap.altitude, hour, declination);
  // The inverse transform may put the centre half a turn off in hour angle (the north-point
  // rule, a view carried over the zenith); keep the candidate that maps back onto the centre.
  for (const double candidate : {hour, hour + PI}) {
    double azimuth = 0.0;
    double altitude = 0.0;
    observer.EquatorialToHorizontal(candidate, declination, azimuth, altitude);
    const auto cosDistanceAt = [&](double a) {
      return cap.sinAltitude * std::sin(altitude) +
             cap.cosAltitude * std::cos(altitude) * std::cos(a - cap.azimuth);
    };
    // A centre due north comes back as due south by the north-point rule.
    const bool maybeNorth = std::fabs(azimuth - PI) < 1e-9;
    if (cosDistanceAt(azimuth) > 1.0 - 1e-12 || (maybeNorth && cosDistanceAt(0.0) > 1.0 - 1e-12)) {
      usable = true;
      sinCentreDeclination = std::sin(declination);
      cosCentreDeclination = std::cos(declination);
      cosCentreHour = std::cos(candidate);
      sinCentreHour = std::sin(candidate);
      cosRadiusBound = cap.cosRadius - COS_MARGIN;
      return;
    }
  }
}

bool CapPrefilter::CertainlyOutside(double raMinusLst, double declination) const {
  if (!usable || std::fabs(declination) > HALF_PI - POLE_GUARD) return false;
  const double sinHour = std::sin(raMinusLst);
  if (std::fabs(sinHour) < MIN_SIN_HOUR) return false;
  const double cosDistance =
      Dot(std::sin(declination), std::cos(declination), std::cos(raMinusLst), sinHour,
          sinCentreDeclination, cosCentreDeclination, cosCentreHour, sinCentreHour);
  return cosDistance < cosRadiusBound;
}

}  // namespace halvane
