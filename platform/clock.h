// The device clock: the current universal and local calendar time, and the conversion between
// the two under the device's time zone. Tests hand the window a clock of their own.
#pragma once

#include <functional>
#include <utility>

#include "astro/calendar_time.h"

namespace halvane {

// The system clock's universal time, to the millisecond.
CalendarTime UniversalNow();

// A clock a window reads: the system's, or one a test gives it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CalendarTime UniversalNow() const { return halvane::UniversalNow(); }
};

// A clock that tells what its function says (a test's fixed or stepping time).
class FunctionClock : public Clock {
 public:
  explicit FunctionClock(std::function<CalendarTime()> now) : now(std::move(now)) {}
  CalendarTime UniversalNow() const override { return now(); }
  std::function<CalendarTime()> now;
};

// Conversion of a calendar time record between local and universal time, in place, under the
// C library's time-zone rules (the TZ environment variable or the system zone).
//
// Local to universal time with the offset in force at that local moment; fills the day of week
// and carries the milliseconds through. A record that is no real date or time (31 February,
// month 13, hour 24, minute 60, second 60, milliseconds 1000, a year outside 1601 to 30827, before
// or after the shift) is left unchanged and the result is false. A local time that falls twice or
// not at all around a clock change gets the offset the C library chooses.
bool LocalToUniversal(CalendarTime& time);

// Universal to local time, otherwise as LocalToUniversal.
bool UniversalToLocal(CalendarTime& time);

// Whether the record is a real date and time of the years 1601 to 30827 (the day of week is
// not looked at).
bool IsRealTime(const CalendarTime& time);

}  // namespace halvane
