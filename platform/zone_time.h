// Wall-clock time of a place's time zone: an IANA id of the system's zone database
// ("Asia/Tokyo"), or, for an empty or unknown id, the device's own zone under the C library's
// rules (the TZ environment variable or the system zone).
#pragma once

#include <cstdint>
#include <string>

#include "astro/calendar_time.h"
#include "platform/local_day.h"

namespace halvane {

enum class WallTimeResult {
  Converted,
  Unreal,   // no real date or time of the years 1601 to 30827, before or after the shift
  Skipped,  // the zone's clocks jump over it when summer time begins
};

// Universal time to the zone's wall time, in place, with the day of week filled in and the
// milliseconds carried through. False, leaving the record unchanged, for one that is no real
// time or whose wall time leaves the years 1601 to 30827.
bool UniversalToZone(const std::string& zone, CalendarTime& time);

// The zone's wall time to universal time, in place, otherwise as UniversalToZone. A time the
// clocks show twice (the hour repeated when summer time ends) takes the earlier instant; one
// they skip is refused and the record stays unchanged.
WallTimeResult ZoneToUniversal(const std::string& zone, CalendarTime& time);

// Moves a universal time by days of the zone's calendar: the same wall-clock time on another
// date, or the first time after it where the zone's clocks skip it. False, leaving time
// unchanged, for a record that is no real time or a result outside the years 1601 to 30827.
bool StepZoneDays(const std::string& zone, CalendarTime& time, int32_t days);

// How the zone names itself at that universal time: "JST", "CET" or "CEST" by date, "+04"
// where it has no letters; printable ASCII, empty for a record that is no real time.
std::string ZoneAbbreviation(const std::string& zone, const CalendarTime& utc);

// The zone's offsets, for the local days and clock readings of local_day.h.
ZoneOffsets OffsetsOfZone(const std::string& zone);

// Whether the system's zone database holds the id.
bool IsKnownZone(const std::string& zone);

}  // namespace halvane
