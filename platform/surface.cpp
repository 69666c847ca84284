// The surface operations that only some surfaces carry out.
#include "platform/surface.h"

namespace halvane {

namespace {

// The chart's font is about this wide per character and this tall per line.
constexpr int32_t ESTIMATED_CHARACTER_WIDTH = 6;
constexpr int32_t ESTIMATED_LINE_HEIGHT = 12;

}  // namespace

void Surface::DrawOutlinedText(std::u16string_view text, const Rect& rect, uint32_t flags,
                               Color color, Color outline) {
  SetTextColor(outline);
  constexpr int32_t STEPS[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& step : STEPS) {
    DrawText(
        text,
        Rect{rect.left + step[0], rect.top + step[1], rect.right + step[0], rect.bottom + step[1]},
        flags);
  }
  SetTextColor(color);
  DrawText(text, rect, flags);
}

void Surface::FillArea(std::string_view, const Point*, int32_t, Color) {}

TextSize Surface::MeasureText(std::u16string_view text) const {
  return {static_cast<int32_t>(text.size()) * ESTIMATED_CHARACTER_WIDTH, ESTIMATED_LINE_HEIGHT};
}

void Surface::Note(std::string_view) {}

}  // namespace halvane
