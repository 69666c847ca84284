// Local and universal time through timegm/mktime and gmtime_r/localtime_r.
#include "platform/clock.h"

#include <ctime>

#include "astro/calendar.h"
#include "platform/tm_fields.h"

namespace halvane {

bool IsRealTime(const CalendarTime& time) {
  if (time.year < FIRST_YEAR || time.year > LAST_YEAR) return false;
  if (time.month < 1 || time.month > 12) return false;
  if (time.day < 1 || time.day > DaysInMonth(time.year, time.month)) return false;
  return time.hour < 24 && time.minute < 60 && time.second < 60 && time.milliseconds < 1000;
}

bool LocalToUniversal(CalendarTime& time) {
  if (!IsRealTime(time)) return false;
  std::tm local = ToTm(time);
  local.tm_wday = -1;
  const std::time_t t = std::mktime(&local);
  // -1 is also one real second; mktime marks success by filling the day of week.
  if (t == static_cast<std::time_t>(-1) && local.tm_wday < 0) return false;
  std::tm universal{};
  if (gmtime_r(&t, &universal) == nullptr) return false;
  return FromTm(universal, time);
}

bool UniversalToLocal(CalendarTime& time) {
  if (!IsRealTime(time)) return false;
  std::tm universal = ToTm(time);
  universal.tm_isdst = 0;
  const std::time_t t = timegm(&universal);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return false;
  return FromTm(local, time);
}

}  // namespace halvane
