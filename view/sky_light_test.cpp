// The daylight sky from the Sun's altitude: black at night, deepening twilight, day blue, and
// the faintest star seen falling from the dark sky's sixth magnitude to about -3 at noon.
#include "view/sky_light.h"

#include <gtest/gtest.h>

#include "astro/angles.h"

namespace halvane {
namespace {

TEST(SkyLight, TwilightDeepensToNightAndTheLimitFallsAsTheSunRises) {
  const SkyLight night = SkyLightAt(-20.0 * DEG_TO_RAD);
  EXPECT_TRUE(night.dark);
  EXPECT_EQ(night.background, 0u);

  // Published landmarks of the eye's limit: about 6.5 in a dark sky, first-magnitude stars
  // shortly after sunset, Venus and little else in daylight (Schaefer 1993).
  EXPECT_NEAR(SkyLightAt(-17.9 * DEG_TO_RAD).faintestMagnitude, 6.5, 0.3);
  EXPECT_NEAR(SkyLightAt(-3.0 * DEG_TO_RAD).faintestMagnitude, 2.0, 0.5);
  EXPECT_NEAR(SkyLightAt(30.0 * DEG_TO_RAD).faintestMagnitude, -3.0, 0.5);
  EXPECT_EQ(SkyLightAt(30.0 * DEG_TO_RAD).background, MakeColor(72, 124, 196));

  double limit = 99.0;
  int blue = -1;
  for (double degrees = -17.5; degrees <= 0.0; degrees += 0.5) {
    const SkyLight light = SkyLightAt(degrees * DEG_TO_RAD);
    EXPECT_FALSE(light.dark);
    EXPECT_LT(light.faintestMagnitude, limit) << degrees;
    EXPECT_GE(BlueOf(light.background), blue) << degrees;
    EXPECT_GE(BlueOf(light.background), RedOf(light.background)) << "a blue sky";
    limit = light.faintestMagnitude;
    blue = BlueOf(light.background);
  }
  EXPECT_GT(blue, 150) << "day blue at sunrise";
}

}  // namespace
}  // namespace halvane
