// The five view layers in whole frames over the shipped catalogs, from Paris on 8 December
// 2026: the daylight sky and the stars it lets through, names at their label points, nothing
// named below the ground, and with the five off no trace of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "chart/chart.h"
#include "platform/recording_surface.h"
#include "tests/support/build_paths.h"
#include "tests/support/trace_lines.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

using test_support::QuotedText;
using test_support::StartsWith;

const std::string DATA = test_support::SourcePath("data/");
constexpr double PARIS_LONGITUDE = -2.35;  // degrees, positive west
constexpr double PARIS_LATITUDE = 48.85;

struct Frame {
  std::vector<std::string> lines;
  int stars = 0;  // sprites stamped
};

// A sprite sheet of the right size; the trace only counts the stamps.
class EmptySpriteSheet : public Bitmap {
 public:
  int32_t Width() const override { return 121; }
  int32_t Height() const override { return 77; }
  uint32_t PixelAt(int32_t, int32_t) const override { return 0; }
};

// prepared: the chart reads its catalogs in the background first, from folder, and then
// turns to DATA.
Frame Draw(uint16_t hour, uint16_t minute, const ViewDirection& aim, uint16_t viewLayerFlags,
           bool prepared = false, const std::string& folder = DATA) {
  Observer observer;
  observer.SetLocation(PARIS_LONGITUDE, PARIS_LATITUDE);
  Chart chart({0, 0, 240, 294}, std::make_unique<EmptySpriteSheet>());
  chart.GetProjection().SetViewDirection(aim.azimuth, aim.altitude);
  chart.GetLayers().UseDataFolder(folder);
  chart.GetLayers().ApplyViewLayerFlags(viewLayerFlags);
  if (prepared) {
    chart.PrepareInBackground();
    chart.GetLayers().UseDataFolder(DATA);
  }
  const Moment moment(CalendarTime{2026, 12, 2, 8, hour, minute, 0, 0},
                      Observer(PARIS_LONGITUDE, PARIS_LATITUDE), false);
  RecordingSurface surface;
  RecordingSurface progress;
  chart.DrawFrame(surface, progress, moment);
  Frame frame{surface.Lines(), 0};
  for (const std::string& line : frame.lines) frame.stars += StartsWith(line, "blit ");
  return frame;
}

int CountStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

std::vector<std::string> Labels(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines) {
    if (StartsWith(line, "label ")) names.push_back(QuotedText(line));
  }
  return names;
}

TEST(ViewLayers, DaylightGroundAndNamesFollowTheSkyAndTheFiveOffLeaveNoTrace) {
  const uint16_t allOn = 0;
  // Noon, dusk (Sun about 7 degrees down), night.
  const Frame noon = Draw(11, 50, VIEW_SOUTH, allOn);
  const Frame dusk = Draw(16, 40, VIEW_SOUTH, allOn);
  const Frame night = Draw(21, 0, VIEW_SOUTH, allOn);
  EXPECT_GT(CountStarting(noon.lines, "sky 487CC4 "), 1) << "full day blue";
  EXPECT_GT(CountStarting(dusk.lines, "sky "), 1) << "brighter toward the Sun";
  EXPECT_EQ(CountStarting(night.lines, "sky "), 0) << "black at night";
  for (const Frame* frame : {&noon, &dusk, &night}) {
    EXPECT_EQ(CountStarting(frame->lines, "ground "), 1);
  }
  EXPECT_EQ(noon.stars, 0) << "no star is as bright as the day sky";
  EXPECT_GT(dusk.stars, 5);
  EXPECT_GT(night.stars, 3 * dusk.stars);
  const std::vector<std::string> noonNames = Labels(noon.lines);
  EXPECT_NE(std::find(noonNames.begin(), noonNames.end(), "Sun"), noonNames.end());
  EXPECT_EQ(std::find(noonNames.begin(), noonNames.end(), "Saturn"), noonNames.end())
      << "lost in the day";
  EXPECT_NE(std::find(noonNames.begin(), noonNames.end(), "S"), noonNames.end());

  // Looking east at 21:00 Jupiter and Mars are below the horizon: neither is named.
  const std::vector<std::string> east = Labels(Draw(21, 0, VIEW_EAST, allOn).lines);
  EXPECT_EQ(std::find(east.begin(), east.end(), "Jupiter"), east.end());
  EXPECT_EQ(std::find(east.begin(), east.end(), "Mars"), east.end());
  EXPECT_NE(std::find(east.begin(), east.end(), "Orion"), east.end());
  EXPECT_NE(std::find(east.begin(), east.end(), "Betelgeuse"), east.end());

  // The five off: no sky, ground, ecliptic name, star or constellation names.
  const Frame off = Draw(11, 50, VIEW_SOUTH, 0x1F);
  EXPECT_EQ(CountStarting(off.lines, "sky "), 0);
  EXPECT_EQ(CountStarting(off.lines, "ground "), 0);
  const std::vector<std::string> offNames = Labels(off.lines);
  const std::vector<std::string> bodiesOnly = {"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                                               "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
  for (const std::string& name : offNames) {
    EXPECT_NE(std::find(bodiesOnly.begin(), bodiesOnly.end(), name), bodiesOnly.end()) << name;
  }
}

// What a chart read in the background is what its frame would have read, and a frame follows the
// files its layers name by then, not those they named when reading began.
TEST(ViewLayers, PreparedChartsDrawTheFrameTheirLayersNameNow) {
  const std::vector<std::string> plain = Draw(21, 0, VIEW_SOUTH, 0).lines;
  EXPECT_EQ(Draw(21, 0, VIEW_SOUTH, 0, true).lines, plain);
  EXPECT_EQ(Draw(21, 0, VIEW_SOUTH, 0, true, test_support::SourcePath("no-such-folder/")).lines,
            plain);
}

}  // namespace
}  // namespace halvane
