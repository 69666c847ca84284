// The two coordinate grids, through the trace of what they draw on a 240 x 294 chart.
#include "view/grid_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "platform/recording_surface.h"
#include "tests/support/frame_support.h"
#include "tests/support/trace_lines.h"
#include "view/grid_layers.h"
#include "view/layer_set.h"
#include "view/projection.h"
#include "view/visible_cap.h"

namespace halvane {
namespace {

using test_support::Numbers;
using test_support::QuotedText;
using test_support::StartsWith;

constexpr Rect HANDHELD_CHART = {0, 0, 240, 294};

std::vector<std::string> Texts(const std::vector<std::string>& lines) {
  std::vector<std::string> texts;
  for (const std::string& line : lines) {
    if (StartsWith(line, "text ")) texts.push_back(QuotedText(line));
  }
  return texts;
}

std::vector<std::string> Degrees(std::initializer_list<int> values) {
  std::vector<std::string> texts;
  for (const int value : values) texts.push_back(std::to_string(value) + "\u00B0");
  return texts;
}

std::vector<std::vector<int64_t>> Polylines(const std::vector<std::string>& lines) {
  std::vector<std::vector<int64_t>> polylines;
  for (const std::string& line : lines) {
    if (StartsWith(line, "polyline ")) polylines.push_back(Numbers(line));
  }
  return polylines;
}

bool Near(int64_t a, int64_t b) { return std::llabs(a - b) <= 1; }

TEST(HorizontalGrid, StartingViewAtTheZenith) {
  Observer observer;
  Projection view(HANDHELD_CHART);
  LayerSet layers;
  RecordingSurface surface;
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.0))
      .Draw(DrawHorizontalGrid, surface);
  // 24 meridians from altitude 0 to 75; the parallels 0 to 75 closed. The horizon, 90
  // degrees from the centre, is off the chart but inside the grid's cap, which now reaches one
  // step beyond the corners (it once stopped at 1.56 rad and left the horizon out).
  const std::vector<std::vector<int64_t>> polylines = Polylines(surface.Lines());
  ASSERT_EQ(polylines.size(), 24u + 6u);
  for (size_t i = 0; i < 24; ++i) EXPECT_EQ(polylines[i][0], 6);
  for (size_t i = 24; i < polylines.size(); ++i) {
    ASSERT_EQ(polylines[i][0], 25);
    EXPECT_TRUE(Near(polylines[i][1], polylines[i][49]) && Near(polylines[i][2], polylines[i][50]));
  }
  // North lies straight below the centre; the label stands at its point, 10-pixel box. The
  // meridians are labelled from 15, the horizon with the azimuths of its points.
  EXPECT_EQ(polylines[0][1], 120);
  EXPECT_EQ(surface.Lines()[0], "text 120 " + std::to_string(polylines[0][4]) + " 130 " +
                                    std::to_string(polylines[0][4] + 10) + " 256 \"15\u00B0\"");
  std::vector<std::string> texts = Degrees({15, 30, 45, 60, 75, 15, 30, 45, 60, 75});
  for (int azimuth = 0; azimuth < 360; azimuth += 15) texts.push_back(Degrees({azimuth})[0]);
  EXPECT_EQ(Texts(surface.Lines()), texts);

  layers.showHorizontalGrid = false;
  surface.Clear();
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.0))
      .Draw(DrawHorizontalGrid, surface);
  EXPECT_TRUE(surface.Lines().empty());
}

TEST(HorizontalGrid, LinesBreakWhereTheyLeaveTheCap) {
  Observer observer;
  Projection view(HANDHELD_CHART);
  view.SetViewDirection(0.0, PI / 6);  // north, 30 degrees up
  LayerSet layers;
  RecordingSurface surface;
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.0))
      .Draw(DrawHorizontalGrid, surface);
  const std::vector<std::string>& lines = surface.Lines();
  // Meridian 0: -60 to 75 without the horizon's 0; meridian 180: 60 and 75; the horizon:
  // the azimuths of its points inside the cap (reaching one step past the corners).
  EXPECT_EQ(Texts(lines), Degrees({-60, -45, -30, -15, 15, 30, 45,  60,  75,  60,  75,  0,
                                   15,  30,  45,  60,  75, 90, 270, 285, 300, 315, 330, 345}));
  // The horizon is two runs, azimuth 0 to 90 and 270 to 360, not joined across the back.
  const auto zero = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return StartsWith(l, "text ") && QuotedText(l) == "0\u00B0";
  });
  ASSERT_LT(zero - lines.begin() + 14, static_cast<ptrdiff_t>(lines.size()));
  const std::vector<int64_t> first = Numbers(zero[7]);
  const std::vector<int64_t> second = Numbers(zero[14]);
  ASSERT_TRUE(StartsWith(zero[7], "polyline 7 ")) << zero[7];
  ASSERT_TRUE(StartsWith(zero[14], "polyline 7 ")) << zero[14];
  EXPECT_TRUE(Near(second[13], first[1]) && Near(second[14], first[2])) << "360 closes on 0";

  // Every point drawn lies inside the grid's cap.
  const double radius = VisibleCap::ForView(view, PI / view.GetGridDivisions()).radius;
  for (const std::vector<int64_t>& n : Polylines(lines)) {
    for (int64_t i = 0; i < n[0]; ++i) {
      double x = 0.0;
      double y = 0.0;
      view.ScreenToView(static_cast<int32_t>(n[1 + 2 * i]), static_cast<int32_t>(n[2 + 2 * i]), x,
                        y);
      EXPECT_LE(std::hypot(x, y), radius + 0.01);
    }
  }
}

TEST(EquatorialGrid, TurnsWithTheSiderealAngleAndLabelsHours) {
  Observer observer;
  Projection view(HANDHELD_CHART);
  LayerSet layers;
  RecordingSurface before;
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.3))
      .Draw(DrawEquatorialGrid, before);
  EXPECT_TRUE(before.Lines().empty()) << "switched off by default";
  layers.showEquatorialGrid = true;
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.3))
      .Draw(DrawEquatorialGrid, before);
  RecordingSurface after;
  test_support::TestFrame(view, layers, test_support::PlainSky(observer, 0.3 + PI / 12))
      .Draw(DrawEquatorialGrid, after);

  // One grid step of sidereal time later every segment lies where one lay before.
  const auto segments = [](const std::vector<std::string>& lines) {
    std::vector<std::array<int64_t, 4>> found;
    for (const std::vector<int64_t>& n : Polylines(lines)) {
      for (int64_t i = 1; i < n[0]; ++i)
        found.push_back({n[2 * i - 1], n[2 * i], n[2 * i + 1], n[2 * i + 2]});
    }
    return found;
  };
  const auto a = segments(before.Lines());
  const auto b = segments(after.Lines());
  EXPECT_EQ(a.size(), b.size());
  for (const auto& s : a) {
    EXPECT_TRUE(std::any_of(b.begin(), b.end(), [&](const auto& t) {
      return (Near(s[0], t[0]) && Near(s[1], t[1]) && Near(s[2], t[2]) && Near(s[3], t[3])) ||
             (Near(s[0], t[2]) && Near(s[1], t[3]) && Near(s[2], t[0]) && Near(s[3], t[1]));
    }));
  }
  // And the hour label at each place on the equator reads one hour more.
  int compared = 0;
  for (const std::string& line : before.Lines()) {
    if (!StartsWith(line, "text ") || QuotedText(line).find(':') == std::string::npos) continue;
    const std::vector<int64_t> at = Numbers(line);
    for (const std::string& other : after.Lines()) {
      const std::vector<int64_t> at2 = Numbers(other);
      if (StartsWith(other, "text ") && Near(at[0], at2[0]) && Near(at[1], at2[1])) {
        EXPECT_EQ(QuotedText(other),
                  std::to_string((std::stoi(QuotedText(line)) + 1) % 24) + ":00");
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 3);
}

TEST(GridLabels, DegreesAndHoursMinutes) {
  char16_t text[GRID_LABEL_CAPACITY];
  const auto format = [&](GridLabelFormat f, double degrees) {
    return std::u16string(text, f(degrees * DEG_TO_RAD, text));
  };
  EXPECT_EQ(format(FormatDegreesLabel, -45), u"-45\u00B0");
  EXPECT_EQ(format(FormatHoursLabel, 0), u"0:00");
  EXPECT_EQ(format(FormatHoursLabel, 10), u"0:40");  // the first step at 18 divisions
  EXPECT_EQ(format(FormatHoursLabel, 100), u"6:40");
  EXPECT_EQ(format(FormatHoursLabel, 355), u"23:40");
}

}  // namespace
}  // namespace halvane
