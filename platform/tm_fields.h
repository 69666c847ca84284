// A date and time record as the C library's broken-down time, for its zone and calendar rules.
#pragma once

#include <ctime>

#include "astro/calendar_time.h"

namespace halvane {

// The years a record's conversions accept.
constexpr int FIRST_YEAR = 1601;
constexpr int LAST_YEAR = 30827;

// The record's fields as a std::tm whose daylight-saving state the library is left to find.
inline std::tm ToTm(const CalendarTime& time) {
  std::tm tm{};
  tm.tm_year = time.year - 1900;
  tm.tm_mon = time.month - 1;
  tm.tm_mday = time.day;
  tm.tm_hour = time.hour;
  tm.tm_min = time.minute;
  tm.tm_sec = time.second;
  tm.tm_isdst = -1;
  return tm;
}

// Writes tm's calendar fields into time, its milliseconds kept, when the year lies within
// FIRST_YEAR to LAST_YEAR; false leaves time as it was.
inline bool FromTm(const std::tm& tm, CalendarTime& time) {
  const long long year = static_cast<long long>(tm.tm_year) + 1900;
  if (year < FIRST_YEAR || year > LAST_YEAR) return false;
  time.year = static_cast<uint16_t>(year);
  time.month = static_cast<uint16_t>(tm.tm_mon + 1);
  time.dayOfWeek = static_cast<uint16_t>(tm.tm_wday);
  time.day = static_cast<uint16_t>(tm.tm_mday);
  time.hour = static_cast<uint16_t>(tm.tm_hour);
  time.minute = static_cast<uint16_t>(tm.tm_min);
  time.second = static_cast<uint16_t>(tm.tm_sec);
  return true;
}

}  // namespace halvane
