// Hour steps through timegm, which carries hours into days, months and years.
#include "platform/time_step.h"

#include <ctime>

#include "platform/clock.h"
#include "platform/tm_fields.h"

namespace halvane {

namespace {

// A time is kept only when the clock's conversions accept it.
bool Store(const CalendarTime& candidate, CalendarTime& time) {
  CalendarTime check = candidate;
  if (!UniversalToLocal(check)) return false;
  time = candidate;
  return true;
}

}  // namespace

bool StepHours(CalendarTime& time, int32_t hours) {
  CalendarTime check = time;
  if (!UniversalToLocal(check)) return false;
  std::tm tm = ToTm(time);
  tm.tm_isdst = 0;
  const std::time_t t = timegm(&tm) + static_cast<std::time_t>(hours) * 3600;
  std::tm stepped{};
  if (gmtime_r(&t, &stepped) == nullptr) return false;
  CalendarTime candidate = time;
  return FromTm(stepped, candidate) && Store(candidate, time);
}

}  // namespace halvane
