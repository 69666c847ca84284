// The deep-sky layer: which objects are drawn, with which symbol, where and how large.
#include "catalog/deep_sky_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "catalog/layer_test_support.h"
#include "catalog/sky_records.h"

namespace halvane {
namespace {

using test_support::StarAtPixel;

constexpr double THETA = 0.4;  // any sidereal angle

class DeepSkyLayerTest : public ::testing::Test {
 protected:
  DeepSkyLayerTest() {
    chart.layers.deepSkyPath = folder.File("DeepSky.dat");
    chart.layers.showDeepSky = true;
  }

  // An object that the projection puts on pixel (x, y).
  DeepSkyRecord At(int32_t x, int32_t y, DeepSkyKind kind, int16_t magnitude,
                   uint16_t majorAxis = 0, uint16_t minorAxis = 0, uint8_t flags = 0) const {
    const StarRecord place = StarAtPixel(chart.view, chart.observer, x, y, THETA, 0, 0);
    return DeepSkyRecord{place.rightAscension,
                         place.declination,
                         kind,
                         flags,
                         magnitude,
                         majorAxis,
                         minorAxis,
                         "M99 Test"};
  }
  std::vector<std::string> Draw(const std::vector<DeepSkyRecord>& objects) {
    test_support::WriteCatalog(chart.layers.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE,
                               objects, EncodeDeepSky);
    chart.surface.Clear();
    chart.labels.clear();
    chart.Draw(DrawDeepSky, THETA);
    std::vector<std::string> drawn;
    for (const std::string& line : chart.surface.Lines()) {
      if (line.rfind("pen ", 0) != 0) drawn.push_back(line);
    }
    return drawn;
  }

  test_support::ScratchFolder folder;
  test_support::Chart chart;
  const std::vector<NumberedDeepSky>& shown = chart.memory.deepSkyShown;
  const std::vector<LabelCandidate>& names = chart.labels;
};

TEST_F(DeepSkyLayerTest, EachKindHasItsSymbolWhereTheSkyPutsIt) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::string> lines = Draw({
      At(100, 120, DeepSkyKind::Galaxy, 500),
      At(60, 200, DeepSkyKind::GlobularCluster, 500),
      At(180, 60, DeepSkyKind::OpenCluster, 500),
      At(30, 30, DeepSkyKind::PlanetaryNebula, 1300),                  // too faint at 90 degrees
      At(200, 250, DeepSkyKind::Other, 1300, 0, 0, DEEP_SKY_MESSIER),  // fainter than the stars
      DeepSkyRecord{nan, 0.2, DeepSkyKind::Galaxy, 0, 100, 0, 0, "broken"},
  });
  const std::vector<std::string> expected = {
      "ellipse 100 120 3 2 0 solid", "ellipse 60 200 3 3 0 solid", "polyline 2 57 200 64 200",
      "polyline 2 60 197 60 204", "ellipse 180 60 3 3 0 dotted"};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(shown.size(), 3u);
  EXPECT_TRUE(names.empty());  // no names at 90 degrees
}

TEST_F(DeepSkyLayerTest, LargeObjectsTakeTheirTrueSizeAndNarrowFieldsOfferNames) {
  for (int i = 0; i < 3; ++i) chart.view.ZoomIn();  // 11.25 degrees
  // 100 minutes of arc across: 50 minutes is 0.01454 radians, at 8 x 152.8 pixels a radian.
  const std::vector<std::string> lines =
      Draw({At(120, 147, DeepSkyKind::OpenCluster, 400, 1000, 1000)});
  ASSERT_EQ(lines.size(), 1u);
  const int32_t expected =
      static_cast<int32_t>(0.5 * 1000 * (PI / 180.0 / 600.0) * chart.view.GetXScale());
  EXPECT_EQ(lines[0], "ellipse 120 147 " + std::to_string(expected) + " " +
                          std::to_string(expected) + " 0 dotted");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].text, u"M99 Test");
  EXPECT_EQ(names[0].x, 120);
}

// Fields of 11.25 degrees and wider draw from the objects kept in memory, narrower ones read
// the file: each shows what its limit allows, in file order.
TEST_F(DeepSkyLayerTest, KeptAndReadObjectsMeetAtTheNarrowFields) {
  // The faint stars' file reaches magnitude 10 at 11.25 degrees and 11 at 5.625: no object
  // fainter than the stars beside it.
  chart.layers.faintStarsPath = folder.File("FaintStars.dat");
  for (int i = 0; i < 3; ++i) chart.view.ZoomIn();
  const std::vector<DeepSkyRecord> objects = {At(60, 60, DeepSkyKind::Galaxy, 1050),
                                              At(120, 147, DeepSkyKind::Galaxy, 950)};
  EXPECT_EQ(Draw(objects), std::vector<std::string>{"ellipse 120 147 3 2 0 solid"});
  chart.view.ZoomIn();
  EXPECT_EQ(Draw({At(60, 60, DeepSkyKind::Galaxy, 1050), At(120, 147, DeepSkyKind::Galaxy, 950)}),
            (std::vector<std::string>{"ellipse 60 60 3 2 0 solid", "ellipse 120 147 3 2 0 solid"}));
}

TEST_F(DeepSkyLayerTest, AFileItCannotUseIsSaidOnTheChart) {
  chart.layers.deepSkyPath = folder.File("missing.dat");
  chart.Draw(DrawDeepSky, THETA);
  const std::vector<std::string> drawn = chart.surface.Lines();
  EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const std::string& line) {
    return line.find("File not found") != std::string::npos;
  }));
  EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace halvane
