// A date and time record as the C library's broken-down time, for its zone and calendar rules.
#pragma once

#include <ctime>

#include "astro/system_time.h"

namespace halvane {

// The record's fields as a std::tm whose daylight-saving state the library is left to find.
inline std::tm ToTm(const SYSTEMTIME& time) {
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

}  // namespace halvane
