// The chart at HiDPI pixel ratios: the same drawing, each chart pixel a block of device pixels
// with no colours that the ratio-1 chart lacks, and taps naming the same object.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <set>

#include "platform/bitmaps.h"
#include "platform/image_surface.h"
#include "platform/recording_surface.h"
#include "tests/support/build_paths.h"
#include "tools/render_chart.h"
#include "tools/render_options.h"

namespace halvane {
namespace {

QGuiApplication& Fonts() {
  static int argc = 1;
  static char name[] = "pixel_ratio_test";
  static char* argv[] = {name, nullptr};
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static auto* application = new QGuiApplication(argc, argv);
  return *application;
}

struct Rendered {
  std::unique_ptr<ImageSurface> image;
  std::vector<std::string> trace;
};

Rendered Render(double scale) {
  RenderOptions options;
  options.dataDirectory = test_support::BuildPath("");
  options.longitude = -18.3;
  options.latitude = 49.7;
  options.layerFlags = 0xF;
  options.tap = Point{123, 150};
  Rendered out{std::make_unique<ImageSurface>(240, 294, scale), {}};
  RecordingSurface recorder(out.image.get());
  std::string bodies;
  std::string error;
  EXPECT_TRUE(
      RenderChart(options, CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, recorder, bodies, error))
      << error;
  out.trace = recorder.Lines();
  return out;
}

TEST(PixelRatio, ChartsAtRatiosTwoAndThreeAreTheRatioOneChartDrawnSharp) {
  Fonts();
  const Rendered one = Render(1.0);
  std::set<QRgb> colours;
  for (int y = 0; y < 294; ++y) {
    for (int x = 0; x < 240; ++x) colours.insert(one.image->Image().pixel(x, y));
  }
  // Sprite pixels that the ratio-1 chart happens to cover count as its colours.
  const std::unique_ptr<Bitmap> sprites = LoadBitmap(BitmapId::StarSprites);
  ASSERT_NE(sprites, nullptr);
  for (int32_t y = 0; y < sprites->Height(); ++y) {
    for (int32_t x = 0; x < sprites->Width(); ++x)
      colours.insert(0xFF000000 | sprites->PixelAt(x, y));
  }
  // A colour made of chart colours laid over one another.
  const auto overlay = [&colours](QRgb pixel) {
    QRgb made = 0;
    for (const QRgb c : colours) made |= (c & pixel) == c ? c : 0;
    return made == pixel;
  };
  for (const int ratio : {2, 3}) {
    const Rendered scaled = Render(ratio);
    EXPECT_EQ(scaled.trace, one.trace) << "the same objects, labels and taps at " << ratio;
    const QImage& image = scaled.image->Image();
    ASSERT_EQ(image.size(), QSize(240 * ratio, 294 * ratio));
    EXPECT_EQ(image.devicePixelRatio(), ratio);
    // No soft edges: every device pixel has a colour of the ratio-1 chart, or several of them
    // overlaid (sprites are or-ed onto the lines, which cross them elsewhere at this ratio).
    std::set<QRgb> shown;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) shown.insert(image.pixel(x, y));
    }
    int foreign = 0;
    for (const QRgb c : shown) foreign += !overlay(c);
    EXPECT_EQ(foreign, 0) << ratio;
    // Scaled positions: a lit chart pixel finds its colour in its block.
    int lit = 0;
    int found = 0;
    for (int y = 0; y < 294; ++y) {
      for (int x = 0; x < 240; ++x) {
        const QRgb colour = one.image->Image().pixel(x, y);
        if ((colour & 0xFFFFFF) == 0) continue;
        ++lit;
        bool inBlock = false;
        for (int dy = 0; dy < ratio && !inBlock; ++dy) {
          for (int dx = 0; dx < ratio && !inBlock; ++dx) {
            inBlock = image.pixel(x * ratio + dx, y * ratio + dy) == colour;
          }
        }
        found += inBlock;
      }
    }
    EXPECT_GT(found, lit * 97 / 100) << ratio << ": " << found << " of " << lit;
  }
  const Rendered half = Render(1.5);
  EXPECT_EQ(half.trace, one.trace);
  EXPECT_EQ(half.image->Image().size(), QSize(360, 441));
}

}  // namespace
}  // namespace halvane
