// "Tonight": the evening's and the night's events for the observer, from local noon to the
// next noon: sunset, the ends of twilight, the Moon, and each planet with whether it is up
// while the sky is dark.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "astro/moment.h"
#include "astro/rise_set.h"
#include "astro/solar_body.h"
#include "catalog/object_ref.h"
#include "catalog/sky_records.h"
#include "platform/local_day.h"

namespace halvane {

struct TonightPlanet {
  Body body;
  HorizonEvents events;
  bool upInTheDark;  // above the horizon at some time while the Sun is below -12 degrees
};

// A comet or asteroid brighter than TONIGHT_MINOR_BODY_LIMIT at the moment and up in the dark.
constexpr double TONIGHT_MINOR_BODY_LIMIT = 10.0;
struct TonightMinorBody {
  std::string name;  // as Find knows it
  uint32_t index;    // in the moment's list
  double magnitude;
  HorizonEvents events;  // of its place at the moment, taken as fixed over the night
};

// A deep-sky object well placed in the dark hours.
struct TonightObject {
  std::string name;  // as DeepSky.dat shows it: "M45 Pleiades", "NGC 869 h Persei"
  uint32_t number;   // of its record in DeepSky.dat
  std::string kind;  // "open cluster", ...; empty when the catalog does not say
  double magnitude;
  double highest;  // Julian day (UT) of its greatest altitude in the dark
};

struct Tonight {
  double start = 0.0;  // Julian days UT: local noon and the next
  double end = 0.0;
  HorizonEvents sun;    // risings and settings of the upper limb
  HorizonEvents civil;  // the Sun's centre at -6, -12, -18 degrees
  HorizonEvents nautical;
  HorizonEvents astronomical;
  HorizonEvents moon;
  double moonIlluminated = 0.0;  // at the moment shown
  std::string moonPhase;
  std::vector<TonightPlanet> planets;         // Mercury to Neptune
  std::vector<TonightMinorBody> minorBodies;  // brightest first
  ZoneOffsets zone = DeviceOffset;            // the place's, for its local night and clock readings
  bool hasDark = false;                       // the Sun goes below -12 degrees
  bool moonUpInTheDark = false;
  std::vector<TonightObject> deepSky;  // brightest first
};

// How many deep-sky objects Tonight offers, and how high one must stand in the dark.
constexpr size_t TONIGHT_DEEP_SKY = 10;
constexpr double TONIGHT_MIN_ALTITUDE = 20.0 * DEG_TO_RAD;

// The night that holds the moment: from the local noon of the moment's date (of the day
// before when the local time is earlier than 06:00) for 24 hours. Empty lists, never a
// failure, for a moment without a time. Local times are those of the zone. The deep-sky
// objects are the first TONIGHT_DEEP_SKY of deepSky (brightest first) that stand
// TONIGHT_MIN_ALTITUDE or higher while the Sun is below -12 degrees.
Tonight ComputeTonight(const Moment& moment, const ZoneOffsets& zone = DeviceOffset,
                       const std::vector<NumberedDeepSky>& deepSky = {});

// The `key: value` lines of halvane-render --tonight: sunset, civil_dusk, nautical_dusk,
// astronomical_dusk, astronomical_dawn, nautical_dawn, civil_dawn, sunrise, moonrise, moonset,
// moon_phase, then one per planet ("venus": its rise, transit and set and whether it is up in
// the dark), then one "minor_body" per comet or asteroid of the night (its name, magnitude,
// rise, transit and set).
std::vector<std::pair<std::string, std::string>> TonightFields(const Tonight& tonight);

// The same for people, as a plan: a heading with the place and the evening's date, then one
// entry per line, each with the object to aim at when it is tapped (the Sun for sunset and
// twilight; none for the heading). Times after midnight carry their date; the polar cases are
// said in words ("The Sun does not set", "Moon: up all night", "Mars: not up tonight").
struct TonightEntry {
  std::string text;
  std::optional<ObjectRef> target;
};
std::vector<TonightEntry> TonightEntries(const Tonight& tonight, const std::string& place);

}  // namespace halvane
