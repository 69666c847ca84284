// Hour steps through timegm, which carries hours into days, months and years.
#include "platform/time_step.h"

#include <ctime>

#include "platform/clock.h"
#include "platform/tm_fields.h"

namespace halvane {

namespace {

SYSTEMTIME FromTm(const std::tm& tm, uint16_t milliseconds) {
  SYSTEMTIME time;
  time.year = static_cast<uint16_t>(tm.tm_year + 1900);
  time.month = static_cast<uint16_t>(tm.tm_mon + 1);
  time.dayOfWeek = static_cast<uint16_t>(tm.tm_wday);
  time.day = static_cast<uint16_t>(tm.tm_mday);
  time.hour = static_cast<uint16_t>(tm.tm_hour);
  time.minute = static_cast<uint16_t>(tm.tm_min);
  time.second = static_cast<uint16_t>(tm.tm_sec);
  time.milliseconds = milliseconds;
  return time;
}

// A time is kept only when the clock's conversions accept it.
bool Store(const SYSTEMTIME& candidate, SYSTEMTIME& time) {
  SYSTEMTIME check = candidate;
  if (!UniversalToLocal(check)) return false;
  time = candidate;
  return true;
}

}  // namespace

bool StepHours(SYSTEMTIME& time, int32_t hours) {
  SYSTEMTIME check = time;
  if (!UniversalToLocal(check)) return false;
  std::tm tm = ToTm(time);
  tm.tm_isdst = 0;
  const std::time_t t = timegm(&tm) + static_cast<std::time_t>(hours) * 3600;
  std::tm stepped{};
  if (gmtime_r(&t, &stepped) == nullptr) return false;
  return Store(FromTm(stepped, time.milliseconds), time);
}

}  // namespace halvane
