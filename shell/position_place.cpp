// Rounding a found position before it is kept.
#include "shell/position_place.h"

#include <cassert>
#include <cmath>

#include "astro/angles.h"

namespace halvane {

namespace {

constexpr double STEPS_PER_DEGREE = 100.0;

double Rounded(double degrees) { return std::round(degrees * STEPS_PER_DEGREE) / STEPS_PER_DEGREE; }

}  // namespace

void PlaceOfPosition(const PositionReading& reading, bool exact, double& longitude,
                     double& latitude) {
  assert(reading.found);
  longitude = WestLongitude(exact ? reading.eastLongitude : Rounded(reading.eastLongitude));
  latitude = exact ? reading.latitude : Rounded(reading.latitude);
}

}  // namespace halvane
