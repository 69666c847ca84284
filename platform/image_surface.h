// A drawing surface over a Qt RGB32 image (the back buffer, halvane-render's picture), and a
// bitmap over such an image. Lines, fills and blits work on the pixels themselves, so the
// result is exact and the same on every machine; only text goes through Qt's painter.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/surface.h"
#include "platform/text_stamp.h"

namespace halvane {

// A read-only bitmap over an image converted to RGB32.
class ImageBitmap : public Bitmap {
 public:
  explicit ImageBitmap(const QImage& image);

  int32_t Width() const override;
  int32_t Height() const override;
  uint32_t PixelAt(int32_t x, int32_t y) const override;  // 0x00RRGGBB

  const QImage& Image() const { return image; }

 private:
  QImage image;
};

// Drawing onto an RGB32 image, black when created. Pens are solid and one pixel wide,
// without antialiasing; a polyline leaves out its last point, as the handheld does.
// With a scale above 1 (a HiDPI screen) the image has that many device pixels per pixel that
// the callers name: fills, lines and text are drawn at device resolution with their size kept,
// and bitmaps at their own scale are copied pixel for pixel, others enlarged without blending.
// DrawText needs a QGuiApplication (for the fonts; the offscreen platform will do) and
// draws nothing without one.
class ImageSurface : public Surface {
 public:
  // Negative sizes give an empty surface; the scale is clamped to [1, 8].
  ImageSurface(int32_t width, int32_t height, double scale = 1.0);

  QImage& Image() { return image; }
  const QImage& Image() const { return image; }
  // The pixel at (x, y) as a colour value (0x00BBGGRR); 0 outside the image.
  Color PixelAt(int32_t x, int32_t y) const;
  // The size in the callers' pixels, and device pixels per such pixel.
  int32_t Width() const { return width; }
  int32_t Height() const { return height; }
  double Scale() const { return scale; }

  void FillRect(const Rect& rect, StockBrush brush) override;
  void SelectPen(Color color) override;
  void SetTextColor(Color color) override;
  void SetTransparentBackground() override;
  void Polyline(const Point* points, int32_t count) override;
  void DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) override;
  void DrawOutlinedText(std::u16string_view text, const Rect& rect, uint32_t flags, Color color,
                        Color outline) override;
  void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
            int32_t sourceX, int32_t sourceY, RasterOp op) override;
  void FillArea(std::string_view kind, const Point* points, int32_t count, Color color) override;
  TextSize MeasureText(std::u16string_view text) const override;
  void Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
               bool dotted) override;
  void FillPolygon(const Point* points, const int32_t* counts, int32_t rings, Color color) override;

 private:
  // Draws from (x0, y0) up to but not including (x1, y1), in device pixels.
  void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
  // Writes text from its stamp (left-aligned, unclipped, transparent); false when it has none.
  // outline: the pixel of a ring around the glyphs, set first; null for none.
  bool Stamp(std::u16string_view text, const Rect& rect, const uint32_t* outline = nullptr);
  // A caller's coordinate in device pixels.
  int64_t Device(int64_t v) const;
  // The block copy in device pixels, each source pixel enlarged by the given factor.
  void BlitDevice(int64_t x, int64_t y, int64_t width, int64_t height, const Bitmap& source,
                  int64_t sourceX, int64_t sourceY, double enlarge, RasterOp op);

  QImage image;
  int32_t width = 0;
  int32_t height = 0;
  double scale = 1.0;
  uint32_t penPixel = 0xFF000000;   // 0xAARRGGBB
  uint32_t textPixel = 0xFF000000;  // 0xAARRGGBB
  bool transparentText = false;
  mutable std::optional<QFontMetrics> metrics;  // made at the first measure
  // The chart writes the same few hundred names every frame, always in its one font.
  mutable std::unordered_map<std::u16string, TextSize> measured;
  TextStamps stamps{scale};
};

}  // namespace halvane
