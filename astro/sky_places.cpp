// The plain sky and the sky of the date behind one placing operation.
#include "astro/sky_places.h"

#include <cmath>

#include "astro/angles.h"

namespace halvane {

namespace {

// Refraction lifts by about 0.7 degrees at -1 degree, its largest, and by nothing below.
constexpr double LARGEST_REFRACTION = 1.0 * DEG_TO_RAD;
// Refraction changes by a sixth of the altitude's change at most, so each step gains nearly a
// digit; below the horizon the steps may not settle, which a tap can bear.
constexpr int UNREFRACT_STEPS = 30;
constexpr double UNREFRACT_TOLERANCE = 1e-13;  // radians

}  // namespace

SkyPlaces::SkyPlaces(const Observer& observer, double siderealAngle)
    : observer(observer), siderealAngle(siderealAngle) {}

SkyPlaces SkyPlaces::OfDate(double jdUt, double jdTt, const Observer& observer) {
  SkyPlaces sky(observer, 0.0);
  sky.apparent.emplace(jdUt, jdTt, observer.GetLongitude());
  sky.siderealAngle = sky.apparent->GetSiderealAngle();
  sky.margin = sky.apparent->LargestShift() + LARGEST_REFRACTION;
  return sky;
}

void SkyPlaces::ToHorizontal(double rightAscension, double declination, double& azimuth,
                             double& altitude) const {
  if (!apparent) {
    observer.EquatorialToHorizontal(rightAscension - siderealAngle, declination, azimuth, altitude);
    return;
  }
  double apparentRightAscension = 0.0;
  double apparentDeclination = 0.0;
  apparent->ToApparent(rightAscension, declination, apparentRightAscension, apparentDeclination);
  observer.EquatorialToHorizontal(apparentRightAscension - siderealAngle, apparentDeclination,
                                  azimuth, altitude);
  altitude += Refraction(altitude);
}

Direction SkyPlaces::ToHorizontal(double rightAscension, double declination) const {
  if (!apparent)
    return observer.EquatorialToHorizontal(rightAscension - siderealAngle, declination);
  double azimuth = 0.0;
  double altitude = 0.0;
  ToHorizontal(rightAscension, declination, azimuth, altitude);
  return DirectionOf(azimuth, altitude);
}

std::optional<Rotation> SkyPlaces::CatalogToHorizontal() const {
  if (apparent) return std::nullopt;
  return observer.EquatorialToHorizontal(siderealAngle);
}

void SkyPlaces::FromHorizontal(double azimuth, double altitude, double& rightAscension,
                               double& declination) const {
  double hourAngle = 0.0;
  if (!apparent) {
    observer.HorizontalToEquatorial(azimuth, altitude, hourAngle, declination);
    // Lifted by a turn first: the charts' last bits depend on this rounding.
    rightAscension = WrapToTurn((TWO_PI + hourAngle) + siderealAngle);
    return;
  }
  double airless = altitude;
  for (int step = 0; step < UNREFRACT_STEPS; ++step) {
    const double next = altitude - Refraction(airless);
    if (std::fabs(next - airless) < UNREFRACT_TOLERANCE) break;
    airless = next;
  }
  double apparentDeclination = 0.0;
  observer.HorizontalToEquatorial(azimuth, airless, hourAngle, apparentDeclination);
  const double apparentRightAscension = WrapToTurn((TWO_PI + hourAngle) + siderealAngle);
  apparent->FromApparent(apparentRightAscension, apparentDeclination, rightAscension, declination);
}

}  // namespace halvane
