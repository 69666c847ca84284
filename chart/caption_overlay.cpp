// The caption overlay.
#include "chart/caption_overlay.h"

#include <cstdio>

namespace halvane {

namespace {

constexpr int32_t CAPTION_MARGIN = 2;

std::u16string Widen(const char* text) {
  std::u16string wide;
  for (const char* c = text; *c != '\0'; ++c) wide.push_back(static_cast<char16_t>(*c));
  return wide;
}

}  // namespace

std::u16string CaptionText(const std::optional<SYSTEMTIME>& shownLocalTime, int32_t starLimitOffset,
                           std::string_view zoneName) {
  std::u16string text;
  char buffer[40];
  if (shownLocalTime) {
    const SYSTEMTIME& t = *shownLocalTime;
    std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u %02u:%02u", unsigned{t.year},
                  unsigned{t.month}, unsigned{t.day}, unsigned{t.hour}, unsigned{t.minute});
    text = Widen(buffer);
    if (!zoneName.empty()) text += u" " + std::u16string(zoneName.begin(), zoneName.end());
  }
  if (starLimitOffset != 0) {
    std::snprintf(buffer, sizeof buffer, "stars %+d", static_cast<int>(starLimitOffset));
    if (!text.empty()) text += u"  ";
    text += Widen(buffer);
  }
  return text;
}

void DrawCaptionOverlay(Surface& surface, std::u16string_view text, const Rect& chart) {
  if (text.empty()) return;
  surface.SetTextColor(CAPTION_COLOR);
  surface.SetTransparentBackground();
  surface.DrawText(
      text,
      Rect{chart.left + CAPTION_MARGIN, chart.top + CAPTION_MARGIN, chart.right, chart.bottom},
      TEXT_LEFT | TEXT_NOCLIP);
}

}  // namespace halvane
