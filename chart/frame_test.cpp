// Frame composition: the order of fills, pens and layers, and the progress strip.
#include "chart/chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/observer.h"
#include "platform/recording_surface.h"
#include "tests/support/catalog_writer.h"

namespace halvane {
namespace {

using test_support::ScratchFolder;
using test_support::WriteStars;

TEST(DrawFrame, LayersInOrderWithTheStripGrowingBetweenThem) {
  Observer observer;
  Chart view({0, 0, 240, 294}, nullptr);
  view.GetLayers().showConstellationLines = false;
  ScratchFolder folder;
  view.GetLayers().starsPath = folder.File("Stars.dat");  // missing for now
  RecordingSurface chart;
  RecordingSurface screen;
  view.GetLayers().showHorizontalGrid = false;
  view.DrawFrame(chart, screen, Moment(SkyPlaces(observer, 0.0)));
  const std::vector<std::string> expectedChart = {
      "fill 0 0 240 294 black",
      "pen 404040",
      "textcolor 404040",
      "transparent",
      "pen 404080",
      "pen 406060",
      "text 0 0 240 294 5 \"File not found\"",
  };
  EXPECT_EQ(chart.Lines(), expectedChart);
  const std::vector<std::string> expectedScreen = {
      "fill 0 0 2 5 white", "fill 0 0 4 5 white",  "fill 0 0 7 5 white",
      "fill 0 0 9 5 white", "fill 0 0 12 5 white",
  };
  EXPECT_EQ(screen.Lines(), expectedScreen);

  // 9 000 stars far below the band: read and counted, never drawn. The first frame knows
  // no count yet; the second grows the strip every 200 records.
  WriteStars(view.GetLayers().starsPath,
             std::vector<StarRecord>(9000, StarRecord{0.0, -1.5, 100, 0}));
  view.GetLayers().showHorizontalGrid = true;
  chart.Clear();
  screen.Clear();
  view.DrawFrame(chart, screen, Moment(SkyPlaces(observer, 0.0)));
  EXPECT_EQ(screen.Lines().size(), 5u);
  EXPECT_EQ(view.GetStarCount(), 9000);
  ASSERT_GT(chart.Lines().size(), 6u);
  EXPECT_EQ(chart.Lines()[4].rfind("text ", 0), 0u) << "the grid's first label";
  EXPECT_EQ(chart.Lines().back(), "pen 406060");
  screen.Clear();
  view.DrawFrame(chart, screen, Moment(SkyPlaces(observer, 0.0)));
  ASSERT_EQ(screen.Lines().size(), 5u + 45u);
  EXPECT_EQ(screen.Lines()[5], "fill 0 0 5 5 white");  // 200 of 9000: 2.2 percent
  EXPECT_EQ(screen.Lines().back(), "fill 0 0 240 5 white");
}

}  // namespace
}  // namespace halvane
