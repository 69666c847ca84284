// The daylight sky from the Sun's altitude: black at night, deepening twilight, day blue, and
// the faintest star seen falling from the dark sky's sixth magnitude to about -3 at noon.
#include "view/sky_light.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/angles.h"
#include "platform/area_fill.h"
#include "platform/recording_surface.h"
#include "view/projection.h"

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

// The kept colours are those a fresh glow would draw, after the Sun moves and the view turns.
TEST(SkyLight, TheGlowKeptFromTheLastFrameFollowsTheSunAndTheView) {
  Projection projection(Rect{0, 0, 240, 294});
  projection.SetViewDirection(PI, 0.2);
  const auto draw = [&](SkyGlow& glow, double sunAzimuth) {
    RecordingSurface surface;
    glow.Draw(projection, surface, SkyLightToward(DirectionOf(sunAzimuth, -0.1)));
    return surface.Lines();
  };
  SkyGlow kept;
  const std::vector<std::string> west = draw(kept, 1.25 * PI);
  EXPECT_EQ(draw(kept, 1.25 * PI), west);
  const std::vector<std::string> east = draw(kept, 0.75 * PI);
  EXPECT_NE(east, west);
  SkyGlow fresh;
  EXPECT_EQ(draw(fresh, 0.75 * PI), east);
  projection.SetRotation(0.3);
  SkyGlow turned;
  EXPECT_EQ(draw(kept, 0.75 * PI), draw(turned, 0.75 * PI));
}

// An upright rectangle takes the same pixels as the polygon walk gives the same outline with
// one more corner, at any pixel ratio and clipped at the surface's edges.
TEST(SkyLight, UprightRectanglesFillTheSamePixelsAsAnyPolygon) {
  const auto spans = [](const std::vector<Point>& points, double scale) {
    std::vector<int32_t> found;
    ForEachAreaSpan(points.data(), static_cast<int32_t>(points.size()), scale, 50, 40,
                    [&](int32_t y, int32_t x0, int32_t x1) {
                      found.insert(found.end(), {y, x0, x1});
                    });
    return found;
  };
  for (const double scale : {1.0, 1.5, 2.25}) {
    for (const Rect& r : {Rect{3, 4, 19, 20}, Rect{-5, 30, 60, 50}, Rect{10, 10, 10, 30}}) {
      const std::vector<Point> rectangle{
          {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
      std::vector<Point> polygon = rectangle;
      polygon.insert(polygon.begin() + 1, Point{r.left + 1, r.top});
      EXPECT_EQ(spans(rectangle, scale), spans(polygon, scale)) << scale << " " << r.left;
    }
  }
}

}  // namespace
}  // namespace halvane
