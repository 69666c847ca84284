// Stepping the observation time by whole hours of real time (days step on the place's
// calendar: StepZoneDays in zone_time.h).
#pragma once

#include <cstdint>

#include "astro/calendar_time.h"

namespace halvane {

// Moves a universal time by hours (negative: back). False, leaving time unchanged, for a
// record that is no real time or a result outside the years the clock handles.
bool StepHours(CalendarTime& time, int32_t hours);

}  // namespace halvane
