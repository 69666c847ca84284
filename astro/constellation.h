// The constellation a direction lies in, by the IAU boundaries of 1930 (Delporte), which run
// along parallels and meridians of the equinox B1875.0.
#pragma once

namespace halvane {

struct ConstellationName {
  const char* abbreviation;  // the IAU's three letters, "Ori"
  const char* name;          // "Orion"
};

// The constellation of a J2000 right ascension and declination (radians). Every direction lies
// in exactly one; a point on a border goes to the constellation north or east of it, and a
// non-finite input gives {"", ""}.
// Method: the direction precessed to B1875.0 (J2000ToB1875), then a ray towards the north
// pole along its meridian counted against the outline's parallels (odd: inside).
ConstellationName ConstellationOf(double rightAscension, double declination);

}  // namespace halvane
