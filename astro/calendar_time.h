// CalendarTime: a date and a time of day on the civil calendar, eight unsigned 16-bit fields.
#pragma once

#include <cstdint>

namespace halvane {

struct CalendarTime {
  uint16_t year = 0;
  uint16_t month = 0;      // 1 to 12
  uint16_t dayOfWeek = 0;  // 0 = Sunday
  uint16_t day = 0;        // 1 to 31
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t milliseconds = 0;
  friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

}  // namespace halvane
