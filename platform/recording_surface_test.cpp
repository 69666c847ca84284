// The recording surface's trace format, and passing operations on to another surface.
#include "platform/recording_surface.h"

#include <gtest/gtest.h>

#include "platform/image_surface.h"

namespace halvane {
namespace {

TEST(RecordingSurface, WritesOneLinePerOperationAndForwardsIt) {
  ImageSurface image(30, 30);
  RecordingSurface surface(&image);
  surface.FillRect({0, -1, 240, 5}, StockBrush::White);
  surface.FillRect({1, 2, 3, 4}, StockBrush::Gray);
  surface.SelectPen(MakeColor(0x40, 0x60, 0x80));
  surface.SetTextColor(MakeColor(0x7F, 0xFF, 0x0A));
  surface.SetTransparentBackground();
  const Point points[] = {{1, 9}, {-3, 9}};
  surface.Polyline(points, 2);
  surface.DrawText(u"15\u00B0", {10, 20, 20, 30}, TEXT_NOCLIP);
  surface.DrawText(u"'a' \"x\" \\", {0, 0, 240, 294}, TEXT_CENTER | TEXT_VCENTER);
  surface.DrawText(u"\U0001F320 \xD800", {0, 0, 1, 1}, TEXT_LEFT);
  surface.DrawText(u"\x1b]0;x\x07\u0085\n", {0, 0, 1, 1}, TEXT_LEFT);
  QImage sheet(22, 22, QImage::Format_RGB32);
  sheet.fill(0xFF0000FF);
  surface.Blit(25, 7, 11, 11, ImageBitmap(sheet), 11, 0, RasterOp::Or);
  surface.Blit(0, 0, 22, 22, ImageBitmap(sheet), 0, 0, RasterOp::Copy);
  surface.Ellipse({5, 6}, 4, 2, -30, true);
  const Point ring[] = {{0, 0}, {4, 0}, {0, 4}};
  const int32_t counts[] = {3};
  surface.FillPolygon(ring, counts, 1, MakeColor(0x10, 0x20, 0x30));

  const std::vector<std::string> expected = {
      "fill 0 -1 240 5 white",
      "fill 1 2 3 4 gray",
      "pen 406080",
      "textcolor 7FFF0A",
      "transparent",
      "polyline 2 1 9 -3 9",
      "text 10 20 20 30 256 \"15\xC2\xB0\"",
      "text 0 0 240 294 5 \"'a' \\\"x\\\" \\\\\"",
      "text 0 0 1 1 0 \"\xF0\x9F\x8C\xA0 \xEF\xBF\xBD\"",  // a lone surrogate becomes U+FFFD
      "text 0 0 1 1 0 \"\\x1b]0;x\\x07\\xc2\\x85\\x0a\"",  // never raw to a terminal
      "blit 25 7 11 11 11 0 or",
      "blit 0 0 22 22 0 0 copy",
      "ellipse 5 6 4 2 -30 dotted",
      "polygon 102030 1 3 0 0 4 0 0 4",
  };
  EXPECT_EQ(surface.Lines(), expected);
  EXPECT_EQ(image.PixelAt(26, 8), MakeColor(0, 0, 0xFF));
  EXPECT_EQ(image.PixelAt(25, 25), 0u);
  EXPECT_EQ(image.PixelAt(0, 9), MakeColor(0, 0, 0xFF)) << "the copy came last";
}

}  // namespace
}  // namespace halvane
