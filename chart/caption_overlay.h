// The caption in the chart's top-left corner, on a band of its own: the local time the chart
// shows in the place's zone, dated when it is not today, and the star limit while it is not
// the zoom's own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/calendar_time.h"
#include "platform/surface.h"

namespace halvane {

constexpr Color CAPTION_COLOR = MakeColor(200, 200, 200);

// "21:03" for a shown local time, "2024-01-15 22:30" with withDate, followed by the zone's name
// ("21:03 AEDT", printable ASCII); "stars +1" for a star limit offset, joined by two spaces;
// empty when there is nothing to say.
std::u16string CaptionText(const std::optional<CalendarTime>& shownLocalTime, bool withDate,
                           int32_t starLimitOffset, std::string_view zoneName = {});

// The band text takes in the top-left corner of chart, measured on surface; empty for no text.
Rect CaptionBand(const Surface& surface, std::u16string_view text, const Rect& chart);

// Writes text on its band in the top-left corner of chart; nothing for an empty text.
void DrawCaptionOverlay(Surface& surface, std::u16string_view text, const Rect& chart);

}  // namespace halvane
