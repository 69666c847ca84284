// The device clock: the current universal and local calendar time, and the conversion between
// the two under the device's time zone. Tests replace the clock with a fixed time.
#pragma once

#include <functional>

#include "astro/system_time.h"

namespace halvane {

SYSTEMTIME UniversalNow();
SYSTEMTIME LocalNow();

// Makes UniversalNow and LocalNow return the given times (local derived through the C
// library's time-zone rules); an empty function restores the real clock.
void SetClockForTesting(std::function<SYSTEMTIME()> universalNow);

// Conversion of a calendar time record between local and universal time, in place, under the
// C library's time-zone rules (the TZ environment variable or the system zone).
//
// Local to universal time with the offset in force at that local moment; fills the day of week
// and carries the milliseconds through. A record that is no real date or time (31 February,
// month 13, hour 24, minute 60, second 60, milliseconds 1000, a year outside 1601 to 30827, before
// or after the shift) is left unchanged and the result is false. A local time that falls twice or
// not at all around a clock change gets the offset the C library chooses.
bool LocalToUniversal(SYSTEMTIME& time);

// Universal to local time, otherwise as LocalToUniversal.
bool UniversalToLocal(SYSTEMTIME& time);

// Whether the record is a real date and time of the years 1601 to 30827 (the day of week is
// not looked at).
bool IsRealTime(const SYSTEMTIME& time);

}  // namespace halvane
