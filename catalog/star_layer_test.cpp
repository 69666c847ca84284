// The star layer: which stars are drawn, with which sprite, where, and the progress it drives.
#include "catalog/star_sprites.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "platform/image_surface.h"
#include "platform/recording_surface.h"
#include "view/sky_view.h"
#include "view/view_test_support.h"

namespace halvane {
namespace {

using view_testing::ScratchFolder;
using view_testing::StarAtPixel;
using view_testing::WriteStars;

constexpr double THETA = 1.234;  // any sidereal angle
using Lines = std::vector<std::string>;

// The trace does not look at the pixels: any bitmap of the sheet's size will do.
class BlankSheet : public Bitmap {
 public:
  int32_t Width() const override { return 121; }
  int32_t Height() const override { return 77; }
  uint32_t PixelAt(int32_t, int32_t) const override { return 0; }
};

class StarLayer : public ::testing::Test {
 protected:
  StarLayer() : view({0, 0, 240, 294}, &observer) {
    view.starsPath = folder.File("Stars.dat");
    view.starSprites = std::make_unique<BlankSheet>();
  }
  StarRecord At(int32_t x, int32_t y, int16_t magnitude, int16_t colorIndex = 0) const {
    return StarAtPixel(view, x, y, THETA, magnitude, colorIndex);
  }
  Lines Draw(const std::vector<StarRecord>& stars) {
    WriteStars(view.starsPath, stars);
    RecordingSurface chart;
    view.DrawStars(chart, screen, THETA);
    return chart.Lines();
  }
  Observer observer;
  SkyView view;
  ScratchFolder folder;
  RecordingSurface screen;
};

TEST_F(StarLayer, ZoomOffsetRowsAndColumns) {
  const int offsets[] = {100, 0, -100, -200, -200, -200};  // from 90 degrees, halving
  for (const int z : offsets) {
    EXPECT_EQ(StarZoomOffset(view.fieldOfView), z) << view.fieldOfView;
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

TEST_F(StarLayer, MagnitudeLimitPicksTheCellAndNeverWrapsRound) {
  // At 90 degrees the zoom offset is 100.
  EXPECT_EQ(Draw({At(120, 147, 500, 9001),    // m' 600: smallest sprite, white
                  At(120, 147, 501),          // too faint
                  At(120, 147, -150, -30),    // m' -50: largest, blue
                  At(120, 147, 32700),        // faint, not wrapped round to bright
                  At(120, 147, 200, 9000)}),  // m' 300: column 5, red
            (Lines{"blit 115 142 11 11 110 22 or", "blit 115 142 11 11 0 0 or",
                   "blit 115 142 11 11 55 66 or"}));
  EXPECT_EQ(view.starCount, 5);
  for (int i = 0; i < 5; ++i) view.ZoomIn();  // offset -200: magnitude 8.00 still drawn
  EXPECT_EQ(Draw({At(120, 147, 800), At(120, 147, 801)}), Lines{"blit 115 142 11 11 110 22 or"});
}

TEST_F(StarLayer, CullsByEdgeMarginBandAndCapAndSkipsDamagedRecords) {
  observer.SetViewDirection(PI / 2, PI / 4);
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
  EXPECT_EQ(view.starCount, 13);
}

TEST_F(StarLayer, ProgressAgainstTheLastCountAndFileProblems) {
  Draw(std::vector<StarRecord>(450, StarRecord{0.0, -1.5, 0, 0}));
  EXPECT_TRUE(screen.Lines().empty()) << "no count known before the first pass";
  view.starSprites.reset();  // without a sheet the pass still counts and reports
  EXPECT_TRUE(Draw(std::vector<StarRecord>(450, At(120, 147, 0))).empty());
  EXPECT_EQ(screen.Lines(), (Lines{"fill 0 0 106 5 white", "fill 0 0 213 5 white"}));

  std::filesystem::remove(view.starsPath);
  RecordingSurface chart;
  view.DrawStars(chart, screen, 0.0);
  WriteStars(view.starsPath, {At(120, 147, 0)}, LINES_TAG);
  view.DrawStars(chart, screen, 0.0);
  EXPECT_EQ(chart.Lines(), (Lines{"text 0 0 240 294 5 \"File not found\"",
                                  "text 0 0 240 294 5 \"Unsupported file version\""}));
  EXPECT_EQ(view.starCount, 450) << "kept when the file cannot be used";
  WriteStars(view.starsPath, {At(120, 147, 0)});
  std::ofstream(view.starsPath, std::ios::binary | std::ios::app).write("half", 4);
  view.DrawStars(chart, screen, 0.0);
  EXPECT_EQ(view.starCount, 1) << "a half record at the end is ignored";
}

// A field on the real sprite sheet: each star lit where it belongs, in its tint, sprites ending
// five pixels out, and a line below them only ever brightened.
TEST(StarLayerImage, RenderedFieldHasItsStarsInPlace) {
  Observer observer;
  observer.SetViewDirection(PI, PI / 4);
  SkyView view({0, 0, 240, 294}, &observer);
  const QImage sheet(HALVANE_SOURCE_DIR "/resources/star_sprites.png");
  ASSERT_FALSE(sheet.isNull());
  view.starSprites = std::make_unique<ImageBitmap>(sheet);
  ScratchFolder folder;
  view.starsPath = folder.File("Stars.dat");
  const int placed[][4] = {
      {40, 50, -100, -40}, {200, 60, 150, 150}, {120, 240, 300, 9999}, {180, 220, 450, 60}};
  std::vector<StarRecord> stars;
  for (const auto& p : placed) {
    stars.push_back(StarAtPixel(view, p[0], p[1], THETA, static_cast<int16_t>(p[2]),
                                static_cast<int16_t>(p[3])));
  }
  WriteStars(view.starsPath, stars);
  ImageSurface chart(240, 294);
  chart.FillRect({0, 240, 240, 241}, StockBrush::Gray);
  RecordingSurface screen;
  view.DrawStars(chart, screen, THETA);

  for (const auto& p : placed) {
    const Color centre = chart.PixelAt(p[0], p[1]);
    EXPECT_GT(RedOf(centre) + GreenOf(centre) + BlueOf(centre), 300) << p[0] << "," << p[1];
    EXPECT_EQ(chart.PixelAt(p[0] + 6, p[1] - 1), 0u);
  }
  EXPECT_GT(BlueOf(chart.PixelAt(43, 50)), RedOf(chart.PixelAt(43, 50))) << "blue halo";
  EXPECT_GT(RedOf(chart.PixelAt(202, 60)), BlueOf(chart.PixelAt(202, 60))) << "red halo";
  EXPECT_NE(chart.PixelAt(181, 220), 0u) << "the faint star is a cross";
  EXPECT_EQ(chart.PixelAt(181, 221), 0u);
  for (int x = 0; x < 240; ++x) EXPECT_GE(GreenOf(chart.PixelAt(x, 240)), 0x80) << x;
  EXPECT_EQ(chart.PixelAt(0, 0), 0u);
}

}  // namespace
}  // namespace halvane
