// A surface that keeps every drawing operation as one line of text, for tests and for
// halvane-render's trace, optionally passing each one on to another surface. Integers are
// pixels, colours RRGGBB in hex with red first:
//   fill L T R B BRUSH            BRUSH black, white or gray
//   pen RRGGBB
//   textcolor RRGGBB
//   transparent
//   polyline N X1 Y1 ... XN YN
//   text L T R B FLAGS "TEXT"     FLAGS decimal; TEXT in UTF-8, with \" and \\ escaped
//   blit DX DY W H SX SY ROP      ROP copy or or; SX SY in the source bitmap
//   KIND RRGGBB N X1 Y1 ... XN YN  a filled area, KIND its name (ground, sky)
//   label X0 Y0 X1 Y1 "TEXT"      a placed name and the box of its glyphs (a note)
//   ellipse X Y RX RY ANGLE STYLE STYLE solid or dotted; ANGLE in degrees
//   polygon RRGGBB RINGS N1 ... NK X1 Y1 ...
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace halvane {

class RecordingSurface : public Surface {
 public:
  // forward, when given, receives every operation too and must outlive this surface.
  explicit RecordingSurface(Surface* forward = nullptr);

  const std::vector<std::string>& Lines() const { return lines; }
  void Clear() { lines.clear(); }

  void FillRect(const Rect& rect, StockBrush brush) override;
  void SelectPen(Color color) override;
  void SetTextColor(Color color) override;
  void SetTransparentBackground() override;
  void Polyline(const Point* points, int32_t count) override;
  void DrawText(std::u16string_view text, const Rect& rect, uint32_t flags) override;
  void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source,
            int32_t sourceX, int32_t sourceY, RasterOp op) override;
  void FillArea(std::string_view kind, const Point* points, int32_t count, Color color) override;
  // The forwarded surface's measure; the estimate without one.
  TextSize MeasureText(std::u16string_view text) const override;
  void Note(std::string_view line) override;
  void Ellipse(Point centre, int32_t radiusX, int32_t radiusY, int32_t angleDegrees,
               bool dotted) override;
  void FillPolygon(const Point* points, const int32_t* counts, int32_t rings, Color color) override;

 private:
  Surface* forward;
  std::vector<std::string> lines;
};

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace halvane
