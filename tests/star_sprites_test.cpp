// The star layer on the real sprite sheet and an image surface: the pixels, not the trace.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/catalog_store.h"
#include "catalog/layer_memory.h"
#include "catalog/layer_test_support.h"
#include "platform/image_surface.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

using test_support::ScratchFolder;
using test_support::StarAtPixel;
using test_support::WriteStars;

constexpr double THETA = 1.234;  // any sidereal angle

// A field on the real sprite sheet: each star lit where it belongs, in its tint, sprites ending
// five pixels out, and a line below them only ever brightened.
TEST(StarSprites, RenderedFieldHasItsStarsInPlace) {
  Observer observer;
  Projection view(Rect{0, 0, 240, 294});
  view.SetViewDirection(PI, PI / 4);
  LayerSet layers;
  const QImage sheet(
      QString::fromStdString(test_support::SourcePath("resources/star_sprites.png")));
  ASSERT_FALSE(sheet.isNull());
  const ImageBitmap sprites(sheet);
  ScratchFolder folder;
  layers.starsPath = folder.File("Stars.dat");
  const int placed[][4] = {
      {40, 50, -100, -40}, {200, 60, 150, 150}, {120, 240, 300, 9999}, {180, 220, 450, 60}};
  std::vector<StarRecord> stars;
  for (const auto& p : placed) {
    stars.push_back(StarAtPixel(view, observer, p[0], p[1], THETA, static_cast<int16_t>(p[2]),
                                static_cast<int16_t>(p[3])));
  }
  WriteStars(layers.starsPath, stars);
  ImageSurface chart(240, 294);
  chart.FillRect({0, 240, 240, 241}, StockBrush::Gray);
  const Moment moment = test_support::PlainSky(observer, THETA);
  test_support::TestFrame frame(view, layers, moment);
  CatalogStore catalogs;
  LayerMemory memory;
  frame.sprites = &sprites;
  frame.catalogs = &catalogs;
  frame.memory = &memory;
  frame.Draw(DrawStars, chart);

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
