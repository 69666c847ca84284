// The city nearest to a place, for naming a place given by its coordinates.
#pragma once

#include <vector>

#include "catalog/city_records.h"

namespace halvane {

// A place belongs to a city up to this distance.
constexpr double NEAR_CITY_KILOMETRES = 100.0;

// The city of cities nearest to the place (degrees, longitude positive EAST) along the
// great circle on a sphere of the Earth's mean radius, if it lies within maxKilometres;
// null otherwise and for a place that is no finite number.
const CityRecord* NearestCity(const std::vector<CityRecord>& cities, double eastLongitude,
                              double latitude, double maxKilometres);

}  // namespace halvane
