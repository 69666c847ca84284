// The star layer: which stars are drawn, with which sprite, where, and the progress it drives.
#include "view/star_sprites.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/layer_test_support.h"
#include "platform/recording_surface.h"
#include "view/progress_strip.h"

namespace halvane {
namespace {

using test_support::ScratchFolder;
using test_support::StarAtPixel;
using test_support::WriteStars;

constexpr double THETA = 1.234;  // any sidereal angle
using Lines = std::vector<std::string>;

// The trace does not look at the pixels: any bitmap of the sheet's size will do.
class BlankSheet : public Bitmap {
 public:
  int32_t Width() const override { return 121; }
  int32_t Height() const override { return 77; }
  uint32_t PixelAt(int32_t, int32_t) const override { return 0; }
};

class StarLayerTest : public ::testing::Test {
 protected:
  StarLayerTest() : view({0, 0, 240, 294}), strip(view.GetViewRect()) {
    layers.starsPath = folder.File("Stars.dat");
  }
  StarRecord At(int32_t x, int32_t y, int16_t magnitude, int16_t colorIndex = 0) const {
    return StarAtPixel(view, observer, x, y, THETA, magnitude, colorIndex);
  }
  // One star pass of projection's frame onto chart.
  void DrawWith(const Projection& projection, RecordingSurface& chart) {
    const Moment moment = test_support::PlainSky(observer, THETA);
    const FrameContext frame{projection, layers,    moment,  light,         pens,
                             labels,     strip,     screen,  sprites.get(), nullptr,
                             -1,         &catalogs, &memory, nullptr,       nullptr};
    DrawStars(frame, chart);
  }
  Lines Draw(const std::vector<StarRecord>& stars) {
    WriteStars(layers.starsPath, stars);
    RecordingSurface chart;
    DrawWith(view, chart);
    return chart.Lines();
  }
  Observer observer;
  Projection view;
  LayerSet layers;
  std::unique_ptr<Bitmap> sprites = std::make_unique<BlankSheet>();
  SkyLight light;
  FramePens pens;
  std::vector<LabelCandidate> labels;
  CatalogStore catalogs;
  LayerMemory memory;
  ProgressStrip strip;
  ScratchFolder folder;
  RecordingSurface screen;
};

TEST_F(StarLayerTest, ZoomOffsetRowsAndColumns) {
  const int offsets[] = {100, 0, -100, -200, -200, -200};  // from 90 degrees, halving
  for (const int z : offsets) {
    EXPECT_EQ(StarZoomOffset(view.GetFieldOfView()), z) << view.GetFieldOfView();
    view.ZoomIn();
  }
  EXPECT_EQ(StarZoomOffset(PI), 200);
  EXPECT_EQ(StarZoomOffset(std::numeric_limits<double>::quiet_NaN()), 100);
  EXPECT_EQ(StarZoomOffset(1e300), 1100);
  const int rows[][2] = {{-30, 0}, {-29, 1}, {-10, 1}, {-9, 2},  {20, 2},   {21, 3},
                         {51, 4},  {81, 5},  {130, 5}, {131, 6}, {9000, 6}, {9001, 2}};
  for (const auto& r : rows) EXPECT_EQ(StarSpriteRow(r[0]), r[1]) << r[0];
  const int columns[][2] = {{-50, 0}, {54, 0},   {55, 1},   {163, 2}, {164, 3},
                            {545, 9}, {546, 10}, {600, 10}, {700, 10}};
  for (const auto& c : columns) EXPECT_EQ(StarSpriteColumn(c[0]), c[1]) << c[0];
}

TEST_F(StarLayerTest, MagnitudeLimitPicksTheCellAndNeverWrapsRound) {
  // At 90 degrees the zoom offset is 100.
  EXPECT_EQ(Draw({At(120, 147, 500, 9001),    // m' 600: smallest sprite, white
                  At(120, 147, 501),          // too faint
                  At(120, 147, -150, -30),    // m' -50: largest, blue
                  At(120, 147, 32700),        // faint, not wrapped round to bright
                  At(120, 147, 200, 9000)}),  // m' 300: column 5, red
            (Lines{"blit 115 142 11 11 110 22 or", "blit 115 142 11 11 0 0 or",
                   "blit 115 142 11 11 55 66 or"}));
  EXPECT_EQ(memory.starCount, 5);
  for (int i = 0; i < 5; ++i) view.ZoomIn();  // offset -200: magnitude 8.00 still drawn
  EXPECT_EQ(Draw({At(120, 147, 800), At(120, 147, 801)}), Lines{"blit 115 142 11 11 110 22 or"});
}

TEST_F(StarLayerTest, CullsByEdgeMarginBandAndCapAndSkipsDamagedRecords) {
  view.SetViewDirection(PI / 2, PI / 4);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Lines lines = Draw({At(-5, 100, 0),
                            At(-6, 100, 0),
                            At(245, 100, 0),
                            At(246, 100, 0),
                            At(100, -5, 0),
                            At(100, -6, 0),
                            At(100, 299, 0),
                            At(100, 300, 0),
                            {THETA, -1.5, 0, 0},      // outside the band of declinations
                            {THETA + PI, 0.2, 0, 0},  // in the band, behind the observer
                            {nan, 0.8, 0, 0},
                            {inf, 0.8, 0, 0},
                            {THETA, nan, 0, 0}});
  EXPECT_EQ(lines, (Lines{"blit -10 95 11 11 11 22 or", "blit 240 95 11 11 11 22 or",
                          "blit 95 -10 11 11 11 22 or", "blit 95 294 11 11 11 22 or"}));
  EXPECT_EQ(memory.starCount, 13);
}

// Fields narrower than the bright lists reach look up their band of declinations: every star on
// the chart, up to its edges, is found, looking at the pole, the zenith or the horizon.
TEST_F(StarLayerTest, NarrowFieldsFindEveryStarOfTheChart) {
  const double pole = observer.GetLatitude() * PI / 180.0;
  const double aims[][2] = {{0.0, pole}, {1.0, HALF_PI}, {PI, 0.05}};
  for (int zoom = 4; zoom <= 5; ++zoom) {
    for (const auto& aim : aims) {
      Projection narrow({0, 0, 240, 294});
      narrow.SetViewDirection(aim[0], aim[1]);
      for (int i = 0; i < zoom; ++i) narrow.ZoomIn();
      std::vector<StarRecord> grid;
      Lines expected;
      for (const int x : {-5, 0, 61, 120, 187, 239, 245}) {
        for (const int y : {-5, 0, 73, 147, 222, 293, 299}) {
          grid.push_back(StarAtPixel(narrow, observer, x, y, THETA, 0, 0));
          expected.push_back("blit " + std::to_string(x - 5) + ' ' + std::to_string(y - 5) +
                             " 11 11 0 22 or");
        }
      }
      WriteStars(layers.starsPath, grid);
      RecordingSurface chart;
      DrawWith(narrow, chart);
      EXPECT_EQ(chart.Lines(), expected) << "zoom " << zoom << ", altitude " << aim[1];
    }
  }
}

// A file of more records than any catalog is refused whole, with the chart's message, before
// anything of it is kept or drawn.
TEST_F(StarLayerTest, AFileBeyondAnyCatalogIsRefusedWithTheChartsMessage) {
  for (int i = 0; i < 5; ++i) view.ZoomIn();
  WriteStars(layers.starsPath, {{THETA, -1.5, 0, 0}});  // far below the chart
  std::string hidden(STAR_RECORD_SIZE, '\0');
  std::ifstream(layers.starsPath, std::ios::binary)
      .seekg(HEADER_SIZE)
      .read(hidden.data(), static_cast<std::streamsize>(hidden.size()));
  const std::string block = [&] {
    std::string b;
    for (int i = 0; i < 4096; ++i) b += hidden;
    return b;
  }();
  {
    std::ofstream out(layers.starsPath, std::ios::binary | std::ios::app);
    for (int i = 0; i < 512; ++i)
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  const std::string last = folder.File("last.dat");
  WriteStars(last, {At(120, 147, 0)});
  std::string shown(STAR_RECORD_SIZE, '\0');
  std::ifstream(last, std::ios::binary)
      .seekg(HEADER_SIZE)
      .read(shown.data(), static_cast<std::streamsize>(shown.size()));
  std::ofstream(layers.starsPath, std::ios::binary | std::ios::app)
      .write(shown.data(), static_cast<std::streamsize>(shown.size()));

  RecordingSurface chart;
  DrawWith(view, chart);
  EXPECT_EQ(chart.Lines(), Lines{"text 0 0 240 294 5 \"File too large\""});
  EXPECT_EQ(memory.starCount, 0);
}

TEST_F(StarLayerTest, ProgressAgainstTheLastCountAndFileProblems) {
  Draw(std::vector<StarRecord>(450, StarRecord{0.0, -1.5, 0, 0}));
  EXPECT_TRUE(screen.Lines().empty()) << "no count known before the first pass";
  sprites.reset();  // without a sheet the pass still counts and reports
  EXPECT_TRUE(Draw(std::vector<StarRecord>(450, At(120, 147, 0))).empty());
  EXPECT_EQ(screen.Lines(), (Lines{"fill 0 0 106 5 white", "fill 0 0 213 5 white"}));

  std::filesystem::remove(layers.starsPath);
  RecordingSurface chart;
  DrawWith(view, chart);
  WriteStars(layers.starsPath, {At(120, 147, 0)}, LINES_TAG);
  DrawWith(view, chart);
  EXPECT_EQ(chart.Lines(), (Lines{"text 0 0 240 294 5 \"File not found\"",
                                  "text 0 0 240 294 5 \"Unsupported file version\""}));
  EXPECT_EQ(memory.starCount, 450) << "kept when the file cannot be used";
  WriteStars(layers.starsPath, {At(120, 147, 0)});
  std::ofstream(layers.starsPath, std::ios::binary | std::ios::app).write("half", 4);
  DrawWith(view, chart);
  EXPECT_EQ(memory.starCount, 1) << "a half record at the end is ignored";
}

}  // namespace
}  // namespace halvane
