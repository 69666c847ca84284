// The device clock: the current universal and local calendar time. Tests replace it with a
// fixed time.
#pragma once

#include <functional>

#include "astro/system_time.h"

namespace halvane {

SYSTEMTIME UniversalNow();
SYSTEMTIME LocalNow();

// Makes UniversalNow and LocalNow return the given times (local derived through the C
// library's time-zone rules); an empty function restores the real clock.
void SetClockForTesting(std::function<SYSTEMTIME()> universalNow);

}  // namespace halvane
