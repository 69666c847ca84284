// The observer's place and the transforms between equatorial and horizontal coordinates.
#include "astro/observer.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {
namespace {

// Rounding can push a sine or cosine just past 1; asin and acos would then give NaN.
double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

Observer::Observer() : cosLatitude(0.0), sinLatitude(0.0), latitude(50.0), longitude(-20.0) {
  Recompute();
}

Observer::Observer(double longitude, double latitude)
    : cosLatitude(0.0), sinLatitude(0.0), latitude(latitude), longitude(longitude) {
  Recompute();
}

void Observer::Recompute() {
  const double phi = latitude * DEG_TO_RAD;
  cosLatitude = std::cos(phi);
  sinLatitude = std::sin(phi);
}

void Observer::SetLocation(double longitude, double latitude) {
  this->longitude = longitude;
  this->latitude = latitude;
  Recompute();
}

void Observer::EquatorialToHorizontal(double raMinusLst, double declination, double& azimuth,
                                      double& altitude) const {
  const double a = raMinusLst;
  const double d = declination;
  altitude =
      std::asin(ClampUnit(std::cos(a) * cosLatitude * std::cos(d) + sinLatitude * std::sin(d)));
  const double z = std::atan2(std::sin(a), cosLatitude * std::tan(d) - sinLatitude * std::cos(a));
  // Lifted by a turn first: the charts' last bits depend on this rounding.
  azimuth = WrapToTurn(z + TWO_PI);
}

void Observer::HorizontalToEquatorial(double azimuth, double altitude, double& raMinusLst,
                                      double& declination) const {
  EquatorialToHorizontal(azimuth, altitude, raMinusLst, declination);
}

}  // namespace halvane
