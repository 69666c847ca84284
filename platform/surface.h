// The drawing surface that the chart layers draw on: the few operations of the handheld's
// graphics interface that the chart needs, with an image and a recording implementation.
#pragma once

#include <cstdint>
#include <string_view>

namespace halvane {

// Client pixels, x to the right and y downwards.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// Right and bottom are exclusive for fills, as on the handheld.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour value with red in the lowest byte, then green, then blue (0x00BBGGRR).
using Color = uint32_t;

constexpr Color MakeColor(uint8_t red, uint8_t green, uint8_t blue) {
  return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
constexpr uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }

// The size of a line of text in pixels.
struct TextSize {
  int32_t width = 0;
  int32_t height = 0;
};

enum class StockBrush { Black, White, Gray };

// How a blit combines source and destination pixels.
enum class RasterOp { Copy, Or };

// Text format flags, with the handheld's values (they appear in traces).
constexpr uint32_t TEXT_LEFT = 0x0000;
constexpr uint32_t TEXT_CENTER = 0x0001;
constexpr uint32_t TEXT_VCENTER = 0x0004;
constexpr uint32_t TEXT_NOCLIP = 0x0100;

// A read-only picture that can be blitted onto a surface (the star sprites, the splash,
// the navigation box). Pixels are 0x00RRGGBB as in a Qt RGB32 image.
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // The pixel at (x, y), which must lie inside the bitmap.
  virtual uint32_t PixelAt(int32_t x, int32_t y) const = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Fills [left, right) x [top, bottom) with a stock brush; clipped to the surface.
  virtual void FillRect(const Rect& rect, StockBrush brush) = 0;
  // Selects a solid pen one pixel wide for the following polylines.
  virtual void SelectPen(Color color) = 0;
  virtual void SetTextColor(Color color) = 0;
  // Text is drawn without filling its background.
  virtual void SetTransparentBackground() = 0;
  // Joins count points by straight lines with the selected pen; fewer than two draw nothing.
  virtual void Polyline(const Point* points, int32_t count) = 0;
  // Draws UTF-16 text into rect: centred horizontally on its top line with
  // TEXT_CENTER | TEXT_VCENTER, from the top-left corner otherwise; TEXT_NOCLIP lets it
  // run beyond the rectangle.
  virtual void DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) = 0;
  // DrawText in color over a ring one pixel wide of outline around its glyphs, so that lines
  // crossing the text and a bright sky behind it do not hide it; the text colour stays color.
  virtual void DrawOutlinedText(std::u16string_view text, const Rect& rect, uint32_t flags,
                                Color color, Color outline);
  // Copies the width x height block at (sourceX, sourceY) of source to (x, y), either
  // replacing the pixels or OR-ing them in. Parts outside either side are skipped.
  virtual void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
                    int32_t sourceX, int32_t sourceY, RasterOp op) = 0;

  // Fills the inside of the closed polygon of count points (even-odd: a contour inside another
  // makes a hole) with color; kind names the area in traces ("ground", "sky").
  virtual void FillArea(std::string_view kind, const Point* points, int32_t count, Color color);
  // The size text would take on this surface; an estimate where no font is at hand.
  virtual TextSize MeasureText(std::u16string_view text) const;
  // A line for traces only (where a name was written); drawing surfaces ignore it.
  virtual void Note(std::string_view line);
  // Outlines an ellipse about centre with the selected pen, solid or dotted: radiusX along
  // the direction angleDegrees counter-clockwise from the x axis, radiusY across it.
  virtual void Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
                       bool dotted) = 0;
  // Fills the rings (counts[i] points each, one after another in points) by the even-odd
  // rule in colour, with no outline; a ring of fewer than three points adds nothing.
  virtual void FillPolygon(const Point* points, const int32_t* counts, int32_t rings,
                           Color color) = 0;
};

}  // namespace halvane
