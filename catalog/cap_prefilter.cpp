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
  cosRadius = cap.cosRadius;
  sinRadius = std::sin(cap.radius);
}

bool CapPrefilter::CertainlyOutside(double raMinusLst, double declination) const {
  if (!usable || std::fabs(declination) > HALF_PI - POLE_GUARD) return false;
  const Direction d = DirectionOf(raMinusLst, declination);
  if (NearZenith(d)) return false;
  return CosDistance(d) < cosRadiusBound;
}

bool CapPrefilter::ArcCertainlyOutside(double raMinusLst1, double declination1, double raMinusLst2,
                                       double declination2) const {
  // The sum of the radius and half the arc stays below pi, where its cosine still falls.
  if (!usable || !(cosRadius > 0.0)) return false;
  if (std::fabs(declination1) > HALF_PI - POLE_GUARD ||
      std::fabs(declination2) > HALF_PI - POLE_GUARD) {
    return false;
  }
  const Direction a = DirectionOf(raMinusLst1, declination1);
  const Direction b = DirectionOf(raMinusLst2, declination2);
  if (NearZenith(a) || NearZenith(b)) return false;
  const double cosLength = Dot(a.sinDeclination, a.cosDeclination, a.cosHour, a.sinHour,
                               b.sinDeclination, b.cosDeclination, b.cosHour, b.sinHour);
  const double cosHalf = std::sqrt(std::max(0.0, 0.5 * (1.0 + cosLength)));
  const double sinHalf = std::sqrt(std::max(0.0, 0.5 * (1.0 - cosLength)));
  const double bound = cosRadius * cosHalf - sinRadius * sinHalf - COS_MARGIN;
  return CosDistance(a) < bound && CosDistance(b) < bound;
}

CapPrefilter::Direction CapPrefilter::DirectionOf(double raMinusLst, double declination) {
  return {std::sin(raMinusLst), std::cos(raMinusLst), std::sin(declination), std::cos(declination)};
}

bool CapPrefilter::NearZenith(const Direction& d) const {
  const double sinAltitude =
      d.cosHour * cosLatitude * d.cosDeclination + sinLatitude * d.sinDeclination;
  return std::fabs(sinAltitude) > 1.0 - ZENITH_GUARD;
}

double CapPrefilter::CosDistance(const Direction& d) const {
  return Dot(d.sinDeclination, d.cosDeclination, d.cosHour, d.sinHour, sinCentreDeclination,
             cosCentreDeclination, cosCentreHour, sinCentreHour);
}

}  // namespace halvane
