// A string's glyphs as a stamp: the device pixels that writing it sets, found once by writing
// it alone, then set directly wherever the string goes. The chart's font has no antialiasing,
// so every pixel of a glyph is either the text colour or left as it was, and laying out and
// rasterising the same few hundred names every frame cost more than the rest of the names.
#pragma once

#include <QFont>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace halvane {

struct TextStamp {
  struct Run {
    int32_t y;   // device pixels below the text's top-left corner
    int32_t x0;  // first device pixel right of that corner (may be negative)
    int32_t x1;  // one past the last
  };
  std::vector<Run> runs;
  bool usable = false;  // false: some pixel was blended or fell outside the probe; draw it
};

// The chart's one font: small, and without antialiasing.
QFont ChartFont();

// The stamps of the strings a surface wrote, kept for its next frames.
class TextStamps {
 public:
  // scale: the surface's device pixels per pixel.
  explicit TextStamps(double scale) : scale(scale) {}

  // The stamp of text written in the chart's font, left-aligned from a top-left corner on
  // whole device pixels.
  const TextStamp& Of(std::u16string_view text);

 private:
  double scale;
  std::unordered_map<std::u16string, TextStamp> stamps;
};

}  // namespace halvane
