// The caption in the chart's top-left corner: the local date and time the chart shows when it
// is not the clock's, with its zone, and the star limit while it is not the zoom's own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/system_time.h"
#include "platform/surface.h"

namespace halvane {

constexpr Color CAPTION_COLOR = MakeColor(200, 200, 200);

// "2024-01-15 22:30" for a shown local time ("2024-01-15 21:00 JST" with its zone's name,
// printable ASCII), "stars +1" for a star limit offset, both joined by two spaces; empty when
// there is nothing to say.
std::u16string CaptionText(const std::optional<SYSTEMTIME>& shownLocalTime, int32_t starLimitOffset,
                           std::string_view zoneName = {});

// Writes text in the top-left corner of chart; nothing for an empty text.
void DrawCaptionOverlay(Surface& surface, std::u16string_view text, const Rect& chart);

}  // namespace halvane
