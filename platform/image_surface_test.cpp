// The image surface: exact pixels for fills, lines and blits, colour conversion, and text.
#include "platform/image_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <climits>

#include "platform/text_stamp.h"

namespace halvane {
namespace {

constexpr Color WHITE = 0xFFFFFF;

// A 4 x 4 bitmap of one colour (0x00RRGGBB) with a black hole at (1, 1).
ImageBitmap Sprite(uint32_t rgb) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(0xFF000000 | rgb);
  image.setPixel(1, 1, 0xFF000000);
  return ImageBitmap(image);
}

TEST(ImageSurface, FillsAndPensAreClippedAndKeepRedInTheLowByte) {
  ImageSurface surface(20, 10);
  surface.FillRect({-5, -5, 4, 3}, StockBrush::White);
  surface.FillRect({15, 8, 100, 100}, StockBrush::Gray);
  surface.FillRect({5, 5, 2, 9}, StockBrush::White);  // inverted: nothing
  EXPECT_EQ(surface.PixelAt(3, 2), WHITE);
  EXPECT_EQ(surface.PixelAt(4, 2), 0u) << "right and bottom edges are exclusive";
  EXPECT_EQ(surface.PixelAt(3, 3), 0u);
  EXPECT_EQ(surface.PixelAt(19, 9), 0x808080u);
  surface.SelectPen(MakeColor(0x40, 0x60, 0x80));
  const Point line[] = {{0, 6}, {10, 6}};
  surface.Polyline(line, 2);
  EXPECT_EQ(surface.PixelAt(3, 6), MakeColor(0x40, 0x60, 0x80));
  EXPECT_EQ(surface.Image().pixel(3, 6), 0xFF406080u);
}

TEST(ImageSurface, PolygonsFillByTheEvenOddRuleAndEllipsesOutline) {
  ImageSurface surface(30, 30);
  // A 20 x 20 square with a 10 x 10 hole, and a ring wholly off the image.
  const Point points[] = {{0, 0},   {20, 0}, {20, 20},   {0, 20},    {5, 5},    {15, 5},
                          {15, 15}, {5, 15}, {-50, -50}, {-40, -50}, {-40, -40}};
  const int32_t counts[] = {4, 4, 3};
  surface.FillPolygon(points, counts, 3, MakeColor(0x30, 0x30, 0x40));
  EXPECT_EQ(surface.PixelAt(2, 2), MakeColor(0x30, 0x30, 0x40));
  EXPECT_EQ(surface.PixelAt(19, 19), MakeColor(0x30, 0x30, 0x40));
  EXPECT_EQ(surface.PixelAt(20, 10), 0u) << "right and bottom edges are exclusive";
  EXPECT_EQ(surface.PixelAt(10, 10), 0u) << "the hole";

  ImageSurface ellipses(40, 40);
  ellipses.SelectPen(WHITE);
  ellipses.Ellipse({20, 20}, 10, 4, 90, false);  // the long axis upright
  EXPECT_EQ(ellipses.PixelAt(20, 10), WHITE);
  EXPECT_EQ(ellipses.PixelAt(24, 20), WHITE);
  EXPECT_EQ(ellipses.PixelAt(30, 20), 0u);
  EXPECT_EQ(ellipses.PixelAt(20, 20), 0u);
  int lit = 0;
  ImageSurface dotted(40, 40);
  dotted.SelectPen(WHITE);
  dotted.Ellipse({20, 20}, 10, 10, 0, true);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) lit += dotted.PixelAt(x, y) == WHITE ? 1 : 0;
  }
  EXPECT_GE(lit, 15);
  EXPECT_LE(lit, 25) << "a dot every three pixels of a 63-pixel circle";
}

TEST(ImageSurface, PolylinesLeaveOutTheirLastPointAndSurviveFarPoints) {
  ImageSurface surface(40, 30);
  surface.SelectPen(WHITE);
  const Point diagonal[] = {{20, 0}, {30, 10}};
  surface.Polyline(diagonal, 2);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(surface.PixelAt(20 + i, i), WHITE) << i;
    EXPECT_EQ(surface.PixelAt(21 + i, i), 0u) << i;
  }
  EXPECT_EQ(surface.PixelAt(30, 10), 0u) << "the last point is not drawn";

  // Segments from far off cross the image as the line through the same points would.
  const Point steep[] = {{5, -2000000}, {7, 2000000}};
  surface.Polyline(steep, 2);
  for (int y = 0; y < 30; ++y) EXPECT_EQ(surface.PixelAt(6, y), WHITE) << y;
  const Point extremes[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, 0}};
  surface.Polyline(extremes, 3);  // no overflow
  const Point same[] = {{3, 20}, {3, 20}};
  surface.Polyline(same, 2);
  EXPECT_EQ(surface.PixelAt(3, 20), 0u) << "a zero-length line draws nothing";
}

TEST(ImageSurface, OrBlitsKeepBlackTransparentAndBlendOverlaps) {
  ImageSurface surface(20, 20);
  surface.FillRect({0, 0, 20, 1}, StockBrush::Gray);
  surface.Blit(2, 2, 4, 4, Sprite(0x300000), 0, 0, RasterOp::Or);
  surface.Blit(4, 4, 4, 4, Sprite(0x000030), 0, 0, RasterOp::Or);
  EXPECT_EQ(surface.PixelAt(3, 3), 0u) << "black in the source is transparent";
  EXPECT_EQ(surface.PixelAt(4, 4), MakeColor(0x30, 0, 0x30)) << "overlaps are OR-ed";
  EXPECT_EQ(surface.PixelAt(5, 5), MakeColor(0x30, 0, 0)) << "the hole keeps what lies below";
  surface.Blit(8, -2, 4, 4, Sprite(0x300000), 0, 0, RasterOp::Or);
  EXPECT_EQ(surface.PixelAt(9, 0), MakeColor(0xB0, 0x80, 0x80)) << "over a line: brighter";
  surface.Blit(4, 4, 4, 4, Sprite(0x300000), 0, 0, RasterOp::Copy);
  EXPECT_EQ(surface.PixelAt(5, 5), 0u) << "a copy replaces, black included";
  surface.Blit(18, 18, 10, 10, Sprite(0x300000), 2, 2, RasterOp::Copy);
  EXPECT_EQ(surface.PixelAt(19, 19), MakeColor(0x30, 0, 0));
  surface.Blit(INT32_MAX - 1, INT32_MIN, INT32_MAX, INT32_MAX, Sprite(1), INT32_MIN, 0,
               RasterOp::Or);
}

void EnsureFonts() {
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

TEST(ImageSurface, TextIsCentredOnTheTopLineOrRunsOnFromItsCorner) {
  EnsureFonts();
  ImageSurface surface(120, 40);
  surface.SetTextColor(MakeColor(0x7F, 0xFF, 0x7F));
  surface.SetTransparentBackground();
  surface.DrawText(u"File not found", {0, 0, 120, 40}, TEXT_CENTER | TEXT_VCENTER);
  surface.DrawText(u"345\u00B0", {0, 25, 10, 35}, TEXT_NOCLIP);
  int minX = 1000, maxX = -1, maxY = -1, labelRight = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const Color c = surface.PixelAt(x, y);
      if (c == 0) continue;
      EXPECT_EQ(c, MakeColor(0x7F, 0xFF, 0x7F)) << "solid text colour, no smoothing";
      if (y >= 25) {
        labelRight = std::max(labelRight, x);
        continue;
      }
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      maxY = std::max(maxY, y);
    }
  }
  EXPECT_LE(std::abs((minX + maxX) - 119), 4) << "centred horizontally";
  EXPECT_LT(maxY, 16) << "on the top line, not in the middle";
  EXPECT_GT(labelRight, 15) << "not clipped to its 10-pixel box";
}

// Names are written from their stamps: the same pixels as the painter sets, at every pixel
// ratio, partly off the image, over a background, and twice (the second from the cache).
TEST(ImageSurface, StampedTextSetsThePixelsThePainterSets) {
  EnsureFonts();
  for (const double scale : {1.0, 2.0, 1.5, 3.0}) {
    ImageSurface stamped(90, 40, scale);
    QImage painted = stamped.Image().copy();
    const Rect background{10, 5, 60, 30};
    stamped.FillRect(background, StockBrush::Gray);
    stamped.SetTextColor(MakeColor(0x60, 0x70, 0x90));
    stamped.SetTransparentBackground();
    QPainter painter(&painted);
    painter.fillRect(QRect(10, 5, 50, 25), QColor(0x80, 0x80, 0x80));
    painter.setFont(ChartFont());
    painter.setPen(QColor(0x60, 0x70, 0x90));
    const struct {
      const char16_t* text;
      Rect box;
    } names[] = {{u"Rigil Kentaurus", {-7, 3, 90, 40}},
                 {u"jy Σ 345\u00B0", {31, -4, 90, 40}},
                 {u"Épsilon", {12, 31, 90, 40}},
                 {u"Rigil Kentaurus", {3, 18, 90, 40}}};
    for (const auto& name : names) {
      stamped.DrawText(name.text, name.box, TEXT_LEFT | TEXT_NOCLIP);
      painter.drawText(QRect(QPoint(name.box.left, name.box.top),
                             QPoint(name.box.right - 1, name.box.bottom - 1)),
                       Qt::AlignTop | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip,
                       QString::fromUtf16(name.text));
    }
    painter.end();
    EXPECT_EQ(stamped.Image(), painted) << "scale " << scale;
  }
}

}  // namespace
}  // namespace halvane
