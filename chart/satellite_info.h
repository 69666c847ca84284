// What the panel, Tonight and halvane-render tell of a satellite: where it is now, how old
// its elements are, and its passes.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "astro/satellite_passes.h"
#include "astro/satellite_view.h"
#include "catalog/satellite_set.h"
#include "platform/local_day.h"

namespace halvane {

// Elements older than this (days) may put a low satellite minutes off its place.
constexpr double STALE_ELEMENTS_DAYS = 14.0;
// The longest span passes are searched over.
constexpr double MAX_PASS_DAYS = 10.0;

struct SatelliteFacts {
  std::string name;
  int64_t catalogNumber = 0;
  std::string designator;
  bool placed = false;  // the model gave a position at the moment
  SatelliteLook look;
  SatelliteLight light = SatelliteLight::Umbra;
  double epochJdUt = 0.0;
  double ageDays = 0.0;                      // from the epoch to the moment
  std::optional<SatellitePass> nextVisible;  // within MAX_PASS_DAYS of the moment
};

// The facts of a satellite at jdUt for site.
SatelliteFacts DescribeSatellite(const Satellite& satellite, double jdUt, const GroundSite& site);

// The `key: value` pairs of halvane-render --info: name, number, designator, altitude,
// azimuth (degrees, two decimals), range_km, range_rate_km_s, sunlit (yes/no), magnitude ("-":
// no standard magnitude is known), epoch (ISO 8601 UTC), age_days, next_visible_pass.
std::vector<std::pair<std::string, std::string>> SatelliteInfoFields(const SatelliteFacts& facts);

// The panel's lines under the name, in the zone's local time.
std::vector<std::string> SatellitePanelLines(const SatelliteFacts& facts, const ZoneOffsets& zone);

// "2026-12-09T17:42:10Z": a UTC Julian day to the second.
std::string UtcIsoTime(double jdUt);

// One line of halvane-render --passes: "pass START AZ ALT MAX AZ ALT END AZ ALT MAG VISIBLE".
std::string PassLine(const SatellitePass& pass);

// For people: "19:42 WSW 251° to 19:46 55° to 19:50 NE 42°, visible".
std::string PassText(const SatellitePass& pass, const ZoneOffsets& zone);

}  // namespace halvane
