// The two-line element format, with or without a name line before each set (3LE).
//
// Line 1 (columns from 1): 1 line number, 3-7 catalogue number (Alpha-5: a letter other than
// I and O for the ten-thousands, "A0001" = 100001), 8 classification, 10-17 international
// designator (two-digit year, launch, piece), 19-20 epoch year (57-99: 19xx, 00-56: 20xx),
// 21-32 epoch day of the year, 34-43 n-dot / 2, 45-52 n-ddot / 6 and 54-61 B* (both as
// " 12345-6" = 0.12345e-6), 63 ephemeris type, 65-68 element set number, 69 checksum.
// Line 2: 1 line number, 3-7 catalogue number, 9-16 inclination, 18-25 node, 27-33
// eccentricity with an implied leading "0.", 35-42 argument of perigee, 44-51 mean anomaly,
// 53-63 mean motion (rev/day), 64-68 revolution number, 69 checksum.
// The checksum is the sum of the digits of columns 1-68, each '-' counting 1, modulo 10.
#pragma once

#include <string_view>

#include "catalog/orbital_elements_reader.h"

namespace halvane {

// Whether a line looks like line 1 or 2 of a set ('1' or '2', a space, and long enough).
bool IsTwoLineLine(std::string_view line, char number);

// Appends every set of the text to result, a message for each one skipped.
void ReadTwoLineElements(std::string_view text, ElementsReadResult& result);

}  // namespace halvane
