// A linear search by the central angle: a few milliseconds over every city, done only
// when a place is chosen.
#include "catalog/nearest_city.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {

namespace {

// The IUGG mean radius R1 of the Earth, kilometres (Moritz, Geodetic Reference System 1980).
constexpr double EARTH_MEAN_RADIUS_KM = 6371.0088;

}  // namespace

const CityRecord* NearestCity(const std::vector<CityRecord>& cities, double eastLongitude,
                              double latitude, double maxKilometres) {
  if (!std::isfinite(eastLongitude) || !std::isfinite(latitude)) return nullptr;
  const double longitude = eastLongitude * DEG_TO_RAD;
  const double phi = latitude * DEG_TO_RAD;
  constexpr double SECONDS_TO_RAD = DEG_TO_RAD / SECONDS_PER_DEGREE;
  const CityRecord* nearest = nullptr;
  double best = INFINITY;
  for (const CityRecord& city : cities) {
    const double angle = AngularSeparation(longitude, phi, city.longitudeSeconds * SECONDS_TO_RAD,
                                           city.latitudeSeconds * SECONDS_TO_RAD);
    if (angle < best) {
      best = angle;
      nearest = &city;
    }
  }
  if (nearest == nullptr) return nullptr;
  const double kilometres = EARTH_MEAN_RADIUS_KM * best;
  return kilometres <= maxKilometres ? nearest : nullptr;
}

}  // namespace halvane
