// The clock through the C library.
#include "platform/clock.h"

#include <chrono>

namespace halvane {

namespace {

CalendarTime FromTimePoint(std::chrono::system_clock::time_point now) {
  using namespace std::chrono;
  const auto day = floor<days>(now);
  const year_month_day date{day};
  const hh_mm_ss time{floor<milliseconds>(now - day)};
  CalendarTime result{};
  result.year = static_cast<uint16_t>(static_cast<int>(date.year()));
  result.month = static_cast<uint16_t>(static_cast<unsigned>(date.month()));
  result.dayOfWeek = static_cast<uint16_t>(weekday{day}.c_encoding());
  result.day = static_cast<uint16_t>(static_cast<unsigned>(date.day()));
  result.hour = static_cast<uint16_t>(time.hours().count());
  result.minute = static_cast<uint16_t>(time.minutes().count());
  result.second = static_cast<uint16_t>(time.seconds().count());
  result.milliseconds = static_cast<uint16_t>(time.subseconds().count());
  return result;
}

}  // namespace

CalendarTime UniversalNow() { return FromTimePoint(std::chrono::system_clock::now()); }

}  // namespace halvane
