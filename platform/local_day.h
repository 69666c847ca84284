// Julian days (universal time) in a place's local time: the start of a local day, and the
// local clock reading with its offset, under a zone's offsets (the device's by default, the C
// library's rules; a named zone's from zone_time.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace halvane {

// The offset from UTC, in seconds, that a zone has in force at a universal instant (seconds
// since 1970).
using ZoneOffsets = std::function<int64_t(int64_t)>;

// The device's zone: the C library's rules (TZ or the system zone).
int64_t DeviceOffset(int64_t universalSeconds);

// The earliest universal instant (seconds since 1970) at which the zone's clocks show
// wallSeconds (the wall time read as if universal); none when the clocks skip it.
std::optional<int64_t> FirstInstantShowing(int64_t wallSeconds, const ZoneOffsets& zone);

// The Julian day (UT) of local midnight at the start of the local date that holds jdUt (the
// first instant after it where the clocks skip midnight); NaN when jdUt is not finite or lies
// outside the years 1601 to 30827.
double LocalMidnight(double jdUt, const ZoneOffsets& zone = DeviceOffset);

// "2026-03-11T19:12:05+01:00": the local date and time of jdUt rounded to the second, with the
// offset from UTC then in force; empty for a day LocalMidnight refuses.
std::string LocalIsoTime(double jdUt, const ZoneOffsets& zone = DeviceOffset);

// "19:12": the local hours and minutes (rounded to the minute); empty as above.
std::string LocalClockTime(double jdUt, const ZoneOffsets& zone = DeviceOffset);

// The local time of jdUt as read on the local date of dayJdUt: "19:12" on that date, and on
// another "tomorrow 00:05" (the next date, when sayTomorrow) or "10 Dec 00:05"; empty as above.
std::string LocalTimeFromDay(double jdUt, double dayJdUt, bool sayTomorrow,
                             const ZoneOffsets& zone = DeviceOffset);

// "Wed 9 Dec 2026": the local date of jdUt; empty as above.
std::string LocalDateText(double jdUt, const ZoneOffsets& zone = DeviceOffset);

}  // namespace halvane
