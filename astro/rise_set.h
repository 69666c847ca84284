// When something rises, culminates and sets: one search over a span of time for every kind of
// object (stars, the Sun and its twilights, the Moon, the planets), given where it stands.
#pragma once

#include <functional>
#include <vector>

#include "astro/angles.h"

namespace halvane {

// Where the point that counts (a star, a body's centre or upper limb) stands at one instant.
struct HorizonPlace {
  double hourAngle;  // radians in (-pi, pi], 0 at the upper transit, growing westwards
  double altitude;   // radians, airless (no refraction)
};

// The place at a Julian day (universal time).
using HorizonPlaceAt = std::function<HorizonPlace(double jdUt)>;

// Standard altitudes, radians: the centre of a star or planet, or the upper limb of the Sun or
// the Moon, touches the horizon when its airless altitude is STANDARD_HORIZON (34 arcminutes of
// refraction at the horizon). Twilights end when the Sun's centre is at these depths.
constexpr double STANDARD_HORIZON = -0.56666666666666667 * DEG_TO_RAD;
constexpr double CIVIL_TWILIGHT = -6.0 * DEG_TO_RAD;
constexpr double NAUTICAL_TWILIGHT = -12.0 * DEG_TO_RAD;
constexpr double ASTRONOMICAL_TWILIGHT = -18.0 * DEG_TO_RAD;

// Every crossing of a horizon and every upper transit in a span, each list in time order.
struct HorizonEvents {
  std::vector<double> risings;   // Julian days (UT)
  std::vector<double> transits;  // upper transits, whether above the horizon or not
  std::vector<double> settings;
  bool aboveAtStart = false;  // above the horizon at the span's start

  // Neither rises nor sets in the span: up all of it (polar day) or none of it (polar night).
  bool AlwaysAbove() const { return risings.empty() && settings.empty() && aboveAtStart; }
  bool NeverAbove() const { return risings.empty() && settings.empty() && !aboveAtStart; }
};

// Crossings of `horizon` (radians) and upper transits from jdStart to jdEnd (Julian days UT,
// jdEnd > jdStart). The place is sampled every `step` days (an hour by default: nothing in the
// sky rises and sets again within it below latitude 65) and each bracketed crossing refined to
// about a second. A span that is not finite, or empty, gives no events.
HorizonEvents FindHorizonEvents(const HorizonPlaceAt& placeAt, double jdStart, double jdEnd,
                                double horizon, double step = 1.0 / 24.0);

// Airless altitude and hour angle (radians) of a place of date: apparent right ascension and
// declination (radians), the local apparent sidereal angle (radians) and the latitude
// (radians). Source: Meeus, Astronomical Algorithms, formula 13.6.
HorizonPlace HorizonPlaceOf(double rightAscension, double declination, double siderealAngle,
                            double latitude);

}  // namespace halvane
