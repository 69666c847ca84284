// halvane-render's argument checks: what each option sets and which values are refused.
#include "tools/render_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/config_file.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

TEST(RenderOptions, ReadsOptionsInBothSpellings) {
  RenderOptions o;
  std::string error;
  ASSERT_TRUE(ParseRenderOptions(
      {"--size=320x200", "--latitude=+49.7", "--time", "2024-02-29T21:05:07Z", "--goto",
       "canes venatici", "--zoom", "-2", "--layers", "lines,equatorial", "--tap", "5,6"},
      o, error))
      << error;
  EXPECT_EQ(o.width, 320);
  EXPECT_EQ(o.height, 200);
  EXPECT_EQ(o.latitude, 49.7);
  EXPECT_FALSE(o.longitude.has_value());
  EXPECT_EQ(o.time->dayOfWeek, 4);  // a Thursday
  EXPECT_EQ(o.time->second, 7);
  EXPECT_EQ(o.goToName, "canes venatici");
  EXPECT_EQ(o.zoomSteps, -2);
  // Left out of the list, the solar system is hidden.
  EXPECT_EQ(o.layerFlags,
            LAYER_CONSTELLATION_LINES | LAYER_EQUATORIAL_GRID | LAYER_SOLAR_SYSTEM_HIDDEN);
  EXPECT_EQ(o.tap->y, 6);

  RenderOptions other;
  EXPECT_FALSE(o.precise);
  ASSERT_TRUE(ParseRenderOptions(
      {"--precise", "--view", "south", "--night", "--layers", "none", "--bodies", "--caption"},
      other, error));
  EXPECT_TRUE(other.night && other.caption);
  EXPECT_EQ(other.view, &VIEW_SOUTH);
  EXPECT_EQ(other.layerFlags, LAYER_SOLAR_SYSTEM_HIDDEN);
  EXPECT_TRUE(other.bodies);
  EXPECT_TRUE(other.precise);
  ASSERT_TRUE(ParseRenderOptions({"--layers", "solar,lines"}, other, error));
  EXPECT_EQ(other.layerFlags, LAYER_CONSTELLATION_LINES);
}

TEST(RenderOptions, RefusesWrongArgumentsNamingThem) {
  const std::vector<std::vector<std::string>> wrong = {
      {"--bogus", "1"},
      {"stray"},
      {"--size"},
      {"--size", "15x100"},
      {"--size", "100x8193"},
      {"--longitude", "nan"},
      {"--latitude", "91"},
      {"--time", "2023-02-29T00:00Z"},
      {"--time", "2023-01-01T10:00"},
      {"--view", "up"},
      {"--goto", ""},
      {"--city", "Tokyo", "--latitude", "1"},
      {"--zoom", "99999999999"},
      {"--pan", "lx"},
      {"--layers", ""},
      {"--layers", "lines,,stars"},
      {"--tap", "5;6"},
      {"--tap", "240,10"},
      {"--view", "north", "--goto", "Lyra"},
  };
  for (const auto& arguments : wrong) {
    RenderOptions o;
    std::string error;
    EXPECT_FALSE(ParseRenderOptions(arguments, o, error)) << arguments[0];
    const std::string& named =
        arguments[0] == "--view" && arguments.size() > 2 ? arguments[2] : arguments[0];
    EXPECT_NE(error.find(named), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace halvane
