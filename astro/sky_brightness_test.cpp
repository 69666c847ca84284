// The tabulated sky model against its published form: over the whole sphere, at the Sun, its
// opposite point and the horizon, where the tables' ends and joins lie.
#include "astro/sky_brightness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "astro/angles.h"

namespace halvane {
namespace {

TEST(SkyBrightness, TheTabulatedSkyAgreesWithThePublishedFormEverywhere) {
  std::mt19937_64 random(28);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const auto anywhere = [&] {
    return DirectionOf(TWO_PI * unit(random), std::asin(2.0 * unit(random) - 1.0));
  };
  double worst = 0.0;
  for (int i = 0; i < 200; ++i) {
    const Direction sun = DirectionOf(TWO_PI * unit(random), (unit(random) - 0.6) * HALF_PI);
    const SkyLuminance sky(sun);
    std::vector<Direction> elements{sun,
                                    {-sun.x, -sun.y, -sun.z},
                                    {0.0, 0.0, 1.0},
                                    DirectionOf(1.0, 0.0),
                                    DirectionOf(1.0, -0.2)};
    for (int k = 0; k < 200; ++k) elements.push_back(anywhere());
    for (const Direction& element : elements) {
      const double exact = std::log10(RelativeSkyLuminance(element, sun));
      worst = std::max(worst, std::fabs(sky.Log10RelativeToward(element) - exact));
    }
  }
  EXPECT_LT(worst, 1e-7) << "decades";

  // Dusk: brighter toward the Sun than away from it, and toward the horizon than overhead.
  const Direction sun = DirectionOf(225.0 * DEG_TO_RAD, -6.0 * DEG_TO_RAD);
  const SkyLuminance dusk(sun);
  EXPECT_GT(dusk.Log10RelativeToward(DirectionOf(225.0 * DEG_TO_RAD, 5.0 * DEG_TO_RAD)),
            dusk.Log10RelativeToward(DirectionOf(45.0 * DEG_TO_RAD, 5.0 * DEG_TO_RAD)) + 0.3);
  EXPECT_GT(dusk.Log10RelativeToward(DirectionOf(135.0 * DEG_TO_RAD, 5.0 * DEG_TO_RAD)),
            dusk.Log10RelativeToward(DirectionOf(135.0 * DEG_TO_RAD, 60.0 * DEG_TO_RAD)));
}

}  // namespace
}  // namespace halvane
