// Field decoding shared by the element readers: numbers, epochs and the check of a whole set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/orbital_elements.h"

namespace halvane {

// The text without leading and trailing spaces, tabs, carriage returns and line feeds.
std::string_view TrimField(std::string_view text);

// A decimal number filling the whole (trimmed) text, e.g. "-.00000084" or "1.5E-05"; none
// for an empty, partial or non-finite number.
std::optional<double> ParseDecimal(std::string_view text);

// A whole number filling the whole (trimmed) text; none otherwise.
std::optional<long long> ParseInteger(std::string_view text);

// Sets the epoch from an ISO 8601 UTC date and time, "2026-12-09T12:34:56.123456" (the time
// may be absent, a trailing "Z" is allowed). False when it is not such a date.
bool SetIsoEpoch(std::string_view text, OrbitalElements& elements);

// Sets the epoch from a year and a day of the year counted from 1.0 at its first midnight.
void SetYearDayEpoch(int year, double dayOfYear, OrbitalElements& elements);

// The name of the first field whose value no satellite can have (mean motion not positive,
// eccentricity out of [0, 1), an angle out of range, an epoch outside 1957 to 2200, ...);
// empty when every field is usable.
std::string_view UnusableField(const OrbitalElements& elements);

}  // namespace halvane
