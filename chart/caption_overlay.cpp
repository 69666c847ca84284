// The caption overlay.
#include "chart/caption_overlay.h"

#include <algorithm>
#include <cstdio>

#include "platform/translate.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

constexpr int32_t CAPTION_MARGIN = 2;
constexpr Color CAPTION_BAND_COLOR = MakeColor(16, 16, 24);

}  // namespace

std::u16string CaptionText(const std::optional<CalendarTime>& shownLocalTime, bool withDate,
                           int32_t starLimitOffset, std::string_view zoneName) {
  std::u16string text;
  char buffer[40];
  if (shownLocalTime) {
    const CalendarTime& t = *shownLocalTime;
    // The date stays ISO's, which every language reads; the time is the language's.
    std::string shown = Words::Clock(t.hour, t.minute);
    if (withDate) {
      std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u ", unsigned{t.year}, unsigned{t.month},
                    unsigned{t.day});
      shown = buffer + shown;
    }
    text = Utf8ToUtf16(shown);
    if (!zoneName.empty()) text += u" " + std::u16string(zoneName.begin(), zoneName.end());
  }
  if (starLimitOffset != 0) {
    std::snprintf(buffer, sizeof buffer, "%+d", static_cast<int>(starLimitOffset));
    if (!text.empty()) text += u"  ";
    //: %1 is how many magnitudes fainter (+) or brighter (-) the shown stars go
    text += Utf8ToUtf16(FillArgs(Words::Tr("stars %1"), {buffer}));
  }
  return text;
}

Rect CaptionBand(const Surface& surface, std::u16string_view text, const Rect& chart) {
  if (text.empty()) return {};
  const TextSize size = surface.MeasureText(text);
  return {chart.left, chart.top,
          std::min(chart.right, chart.left + size.width + 2 * CAPTION_MARGIN),
          std::min(chart.bottom, chart.top + size.height + 2 * CAPTION_MARGIN)};
}

void DrawCaptionOverlay(Surface& surface, std::u16string_view text, const Rect& chart) {
  if (text.empty()) return;
  const Rect band = CaptionBand(surface, text, chart);
  const Point corners[4] = {{band.left, band.top},
                            {band.right, band.top},
                            {band.right, band.bottom},
                            {band.left, band.bottom}};
  surface.FillArea("caption", corners, 4, CAPTION_BAND_COLOR);
  surface.SetTextColor(CAPTION_COLOR);
  surface.SetTransparentBackground();
  surface.DrawText(
      text,
      Rect{chart.left + CAPTION_MARGIN, chart.top + CAPTION_MARGIN, chart.right, chart.bottom},
      TEXT_LEFT | TEXT_NOCLIP);
}

}  // namespace halvane
