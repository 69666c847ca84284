// A linear search by the haversine distance: a few milliseconds over every city, done only
// when a place is chosen.
#include "catalog/nearest_city.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"

namespace halvane {

namespace {

// The IUGG mean radius R1 of the Earth, kilometres (Moritz, Geodetic Reference System 1980).
constexpr double EARTH_MEAN_RADIUS_KM = 6371.0088;

// The haversine of the central angle between two places, radians in, 0 to 1 out; it grows
// with the distance, so the search compares it and converts only the winner.
double Haversine(double longitude1, double latitude1, double longitude2, double latitude2) {
  const double dLatitude = std::sin((latitude2 - latitude1) / 2.0);
  const double dLongitude = std::sin((longitude2 - longitude1) / 2.0);
  return dLatitude * dLatitude +
         std::cos(latitude1) * std::cos(latitude2) * dLongitude * dLongitude;
}

}  // namespace

const CityRecord* NearestCity(const std::vector<CityRecord>& cities, double eastLongitude,
                              double latitude, double maxKilometres) {
  if (!std::isfinite(eastLongitude) || !std::isfinite(latitude)) return nullptr;
  const double longitude = eastLongitude * DEG_TO_RAD;
  const double phi = latitude * DEG_TO_RAD;
  constexpr double SECONDS_TO_RAD = DEG_TO_RAD / SECONDS_PER_DEGREE;
  const CityRecord* nearest = nullptr;
  double best = 2.0;
  for (const CityRecord& city : cities) {
    const double h = Haversine(longitude, phi, city.longitudeSeconds * SECONDS_TO_RAD,
                               city.latitudeSeconds * SECONDS_TO_RAD);
    if (h < best) {
      best = h;
      nearest = &city;
    }
  }
  if (nearest == nullptr) return nullptr;
  const double kilometres = 2.0 * EARTH_MEAN_RADIUS_KM * std::asin(std::sqrt(std::min(best, 1.0)));
  return kilometres <= maxKilometres ? nearest : nullptr;
}

}  // namespace halvane
