// Julian days (universal time) in the device's local time: the start of a local day, and the
// local clock reading with its offset, under the C library's time-zone rules.
#pragma once

#include <string>

namespace halvane {

// The Julian day (UT) of local midnight at the start of the local date that holds jdUt; NaN
// when jdUt is not finite or lies outside the years 1601 to 30827.
double LocalMidnight(double jdUt);

// "2026-03-11T19:12:05+01:00": the local date and time of jdUt rounded to the second, with the
// offset from UTC then in force; empty for a day LocalMidnight refuses.
std::string LocalIsoTime(double jdUt);

// "19:12": the local hours and minutes (rounded to the minute); empty as above.
std::string LocalClockTime(double jdUt);

}  // namespace halvane
