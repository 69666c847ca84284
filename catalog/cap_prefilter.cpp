// The equatorial pre-test of the visible cap.
#include "catalog/cap_prefilter.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/observer.h"

namespace halvane {

namespace {

// Rounding in the two routes to the angular distance differs by far less than this.
constexpr double COS_MARGIN = 1e-9;
// Near the celestial poles and the zenith the transform's azimuth comes from a steep tan or
// asin, so the horizontal position is less exact than the margin; those points stay "maybe".
constexpr double POLE_GUARD = 1e-4;
constexpr double ZENITH_GUARD = 1e-12;  // of the sine of the altitude

double Dot(double sinD1, double cosD1, double cosA1, double sinA1, double sinD2, double cosD2,
           double cosA2, double sinA2) {
  return sinD1 * sinD2 + cosD1 * cosD2 * (cosA1 * cosA2 + sinA1 * sinA2);
}

}  // namespace

CapPrefilter::CapPrefilter(const Observer& observer, const VisibleCap& cap)
    : sinLatitude(observer.GetSinLatitude()), cosLatitude(observer.GetCosLatitude()) {
  // A cap wider than a hemisphere leaves too little outside it to pay for the test.
  if (cap.radius >= HALF_PI) return;
  // The centre in equatorial terms from the rotation itself, without the transform's atan2 of
  // a tangent: that form puts a centre past the zenith half a turn off and, at a geographic
  // pole, cannot tell the hour angle at all.
  const double sinAzimuth = std::sin(cap.azimuth);
  const double cosAzimuth = std::cos(cap.azimuth);
  const double sinDeclination =
      cosAzimuth * cosLatitude * cap.cosAltitude + sinLatitude * cap.sinAltitude;
  const double hour =
      std::atan2(sinAzimuth * cap.cosAltitude,
                 cosLatitude * cap.sinAltitude - sinLatitude * cosAzimuth * cap.cosAltitude);
  if (!std::isfinite(sinDeclination) || !std::isfinite(hour)) return;
  usable = true;
  const double declination = std::asin(std::clamp(sinDeclination, -1.0, 1.0));
  sinCentreDeclination = std::sin(declination);
  cosCentreDeclination = std::cos(declination);
  cosCentreHour = std::cos(hour);
  sinCentreHour = std::sin(hour);
  cosRadiusBound = cap.cosRadius - COS_MARGIN;
}

bool CapPrefilter::CertainlyOutside(double raMinusLst, double declination) const {
  if (!usable || std::fabs(declination) > HALF_PI - POLE_GUARD) return false;
  const double sinHour = std::sin(raMinusLst);
  const double cosHour = std::cos(raMinusLst);
  const double sinDeclination = std::sin(declination);
  const double cosDeclination = std::cos(declination);
  const double sinAltitude = cosHour * cosLatitude * cosDeclination + sinLatitude * sinDeclination;
  if (std::fabs(sinAltitude) > 1.0 - ZENITH_GUARD) return false;
  const double cosDistance =
      Dot(sinDeclination, cosDeclination, cosHour, sinHour, sinCentreDeclination,
          cosCentreDeclination, cosCentreHour, sinCentreHour);
  return cosDistance < cosRadiusBound;
}

}  // namespace halvane
