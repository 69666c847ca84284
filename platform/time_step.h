// Stepping the observation time: whole hours of real time, and whole days of the local
// calendar, so that a day's step keeps the wall-clock time across a change of the local clock.
#pragma once

#include <cstdint>

#include "astro/system_time.h"

namespace halvane {

// Moves a universal time by hours (negative: back). False, leaving time unchanged, for a
// record that is no real time or a result outside the years the clock handles.
bool StepHours(SYSTEMTIME& time, int32_t hours);

// Moves a universal time by days of the local calendar (TZ or the system zone): the same local
// time of day on another date, where the local clock allows it. False as for StepHours.
bool StepLocalDays(SYSTEMTIME& time, int32_t days);

}  // namespace halvane
