// The time zone of a place, found again from the place alone so that nothing more is stored.
#pragma once

#include <string>
#include <vector>

#include "catalog/city_records.h"

namespace halvane {

// The zone of the city nearest to the place (longitude positive WEST, latitude north, degrees)
// within NEAR_CITY_KILOMETRES, when the system's zone database knows it; empty, meaning the
// device's zone, otherwise.
std::string PlaceZone(const std::vector<CityRecord>& cities, double longitude, double latitude);

}  // namespace halvane
