// The nearest city: distances against a published value, the 100 km limit and the
// antimeridian.
#include "catalog/nearest_city.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvane {
namespace {

CityRecord City(const char* name, double latitude, double eastLongitude) {
  return CityRecord{name, "XX", static_cast<int32_t>(latitude * SECONDS_PER_DEGREE),
                    static_cast<int32_t>(eastLongitude * SECONDS_PER_DEGREE), 1000};
}

TEST(NearestCity, FindsTheNearestWithinTheLimitAcrossTheAntimeridian) {
  const std::vector<CityRecord> cities = {City("London", 51.5074, -0.1278),
                                          City("Suva", -18.1416, 178.4419),
                                          City("Apia", -13.8333, -171.7667)};
  // Paris to London: 343.56 km on the mean sphere (the haversine formula evaluated
  // independently in Python's double precision): inside 344 km, outside 343.
  EXPECT_EQ(NearestCity(cities, 2.3522, 48.8566, 344.0), &cities[0]);
  EXPECT_EQ(NearestCity(cities, 2.3522, 48.8566, 343.0), nullptr);
  // Just east of the antimeridian, Suva (1.6 deg west of it) is nearer than Apia.
  EXPECT_EQ(NearestCity(cities, -179.9, -18.0, 500.0), &cities[1]);
  EXPECT_EQ(NearestCity(cities, 179.0, -18.0, NEAR_CITY_KILOMETRES), &cities[1]);
  EXPECT_EQ(NearestCity(cities, 0.0, 0.0, NEAR_CITY_KILOMETRES), nullptr);
  EXPECT_EQ(NearestCity({}, 0.0, 0.0, 1e9), nullptr);
  EXPECT_EQ(NearestCity(cities, std::nan(""), 0.0, 1e9), nullptr);
}

}  // namespace
}  // namespace halvane
