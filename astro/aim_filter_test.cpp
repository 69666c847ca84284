// The smoothing holds still under noise and keeps up with a slow turn.
#include "astro/aim_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "astro/angles.h"

namespace halvane {
namespace {

// Looking at the horizon at this azimuth (radians), the top edge up.
DeviceAxes Horizon(double azimuth) {
  return {{std::sin(azimuth), std::cos(azimuth), 0.0}, {0.0, 0.0, 1.0}};
}

TEST(AimFilter, SteadyInAStillHandAndCloseBehindASlowTurn) {
  constexpr double STEP = 1.0 / 30.0;  // seconds between readings
  std::mt19937 random(7);
  // A still hand with a noisy magnetometer: readings scattered by a degree.
  std::normal_distribution<double> noise(0.0, 1.0 * DEG_TO_RAD);
  AimFilter filter;
  double squares = 0.0;
  for (int i = 0; i < 300; ++i) {
    filter.Add(Horizon(noise(random)), STEP, -1.0);
    if (i < 60) continue;  // two seconds to settle
    const double azimuth = AimOfAxes(filter.GetAxes()).azimuth;
    squares += std::pow(std::remainder(azimuth, TWO_PI), 2);
  }
  // A quarter of the readings' scatter or less.
  EXPECT_LT(std::sqrt(squares / 240) * RAD_TO_DEG, 0.3) << "wander at rest, degrees rms";

  // A slow turn of 10 degrees a second, with and without a gyroscope.
  for (const double gyroscope : {-1.0, 10.0 * DEG_TO_RAD}) {
    filter.Reset();
    double lag = 0.0;
    for (int i = 0; i < 90; ++i) {
      const double azimuth = i * STEP * 10.0 * DEG_TO_RAD;
      filter.Add(Horizon(azimuth), STEP, gyroscope);
      lag = azimuth - AimOfAxes(filter.GetAxes()).azimuth;
    }
    EXPECT_LT(lag * RAD_TO_DEG, 1.2) << "lag after three seconds of turning, degrees";
  }
  // Before any reading there is no aim; the first is taken as it is.
  filter.Reset();
  EXPECT_FALSE(filter.HasAxes());
  filter.Add(Horizon(1.0), STEP, -1.0);
  EXPECT_NEAR(AimOfAxes(filter.GetAxes()).azimuth, 1.0, 1e-12);
}

}  // namespace
}  // namespace halvane
