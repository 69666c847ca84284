// A satellite's facts at a moment and their written forms.
#include "chart/satellite_info.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "chart/object_info.h"

namespace halvane {
namespace {

std::string Fixed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Degrees to two places, never "-0.00".
std::string Degrees(double radians) {
  const double d = radians * RAD_TO_DEG;
  return Fixed("%.2f", std::fabs(d) < 0.005 ? 0.0 : d);
}

std::string PointText(const PassPoint& point) {
  return UtcIsoTime(point.jdUt) + " " + Degrees(point.azimuth) + " " + Degrees(point.altitude);
}

std::string Bearing(const PassPoint& point) {
  const double azimuth = point.azimuth * RAD_TO_DEG;
  return std::string(CompassPoint(azimuth)) + " " + Fixed("%.0f°", std::round(azimuth));
}

}  // namespace

SatelliteFacts DescribeSatellite(const Satellite& satellite, double jdUt, const GroundSite& site) {
  SatelliteFacts facts;
  facts.name = satellite.elements.name;
  facts.catalogNumber = satellite.elements.catalogNumber;
  facts.designator = satellite.elements.internationalDesignator;
  facts.epochJdUt = satellite.model.EpochJulianDay();
  facts.ageDays = jdUt - facts.epochJdUt;
  TemeState state{};
  if (satellite.model.Propagate(satellite.model.MinutesSince(jdUt), state) != Sgp4Error::None) {
    return facts;
  }
  facts.placed = true;
  facts.look = HorizonFrame(site).Look(state, jdUt);
  double sun[3];
  SunPosition(jdUt, sun);
  facts.light = LightOf(state.position, sun);
  for (const SatellitePass& pass : FindPasses(satellite.model, jdUt, jdUt + MAX_PASS_DAYS, site)) {
    if (pass.visible) {
      facts.nextVisible = pass;
      break;
    }
  }
  return facts;
}

std::vector<std::pair<std::string, std::string>> SatelliteInfoFields(const SatelliteFacts& facts) {
  std::vector<std::pair<std::string, std::string>> fields{
      {"name", facts.name},
      {"kind", "satellite"},
      {"number", std::to_string(facts.catalogNumber)},
  };
  if (!facts.designator.empty()) fields.emplace_back("designator", facts.designator);
  if (facts.placed) {
    fields.emplace_back("altitude", Degrees(facts.look.altitude));
    fields.emplace_back("azimuth", Degrees(facts.look.azimuth));
    fields.emplace_back("range_km", Fixed("%.1f", facts.look.rangeKm));
    fields.emplace_back("range_rate_km_s", Fixed("%.3f", facts.look.rangeRateKmPerS));
    fields.emplace_back("sunlit", facts.light == SatelliteLight::Umbra ? "no" : "yes");
  }
  fields.emplace_back("magnitude", "-");
  fields.emplace_back("epoch", UtcIsoTime(facts.epochJdUt));
  fields.emplace_back("age_days", Fixed("%.2f", facts.ageDays));
  fields.emplace_back("next_visible_pass",
                      facts.nextVisible ? UtcIsoTime(facts.nextVisible->rise.jdUt) : "none");
  return fields;
}

std::vector<std::string> SatellitePanelLines(const SatelliteFacts& facts, const ZoneOffsets& zone) {
  std::string identity = "satellite " + std::to_string(facts.catalogNumber);
  if (!facts.designator.empty()) identity += ", " + facts.designator;
  std::vector<std::string> lines{identity};
  if (facts.placed) {
    lines.push_back("Altitude " + Fixed("%.1f°", facts.look.altitude * RAD_TO_DEG) + ", azimuth " +
                    Fixed("%.1f°", facts.look.azimuth * RAD_TO_DEG) + ", " +
                    Fixed("%.0f km", facts.look.rangeKm) + " away");
    lines.push_back(facts.light == SatelliteLight::Umbra ? "In the Earth's shadow" : "Sunlit");
  } else {
    lines.push_back("No position: its elements no longer give one");
  }
  std::string age = "Elements of " + LocalIsoTime(facts.epochJdUt, zone).substr(0, 10) + ", " +
                    Fixed("%.1f days old", facts.ageDays);
  if (facts.ageDays > STALE_ELEMENTS_DAYS) age += ": positions may be minutes off";
  lines.push_back(age);
  lines.push_back(facts.nextVisible ? "Next visible pass: " + PassText(*facts.nextVisible, zone)
                                    : "No visible pass in the next 10 days");
  return lines;
}

std::string UtcIsoTime(double jdUt) {
  const std::string local = LocalIsoTime(jdUt, [](int64_t) { return int64_t{0}; });
  return local.size() < 19 ? local : local.substr(0, 19) + "Z";
}

std::string PassLine(const SatellitePass& pass) {
  return "pass " + PointText(pass.rise) + " " + PointText(pass.culmination) + " " +
         PointText(pass.set) + " - " + (pass.visible ? "visible" : "unseen");
}

std::string PassText(const SatellitePass& pass, const ZoneOffsets& zone) {
  return LocalClockTime(pass.rise.jdUt, zone) + " " + Bearing(pass.rise) + " to " +
         LocalClockTime(pass.culmination.jdUt, zone) + " at " +
         Fixed("%.0f°", pass.culmination.altitude * RAD_TO_DEG) + " to " +
         LocalClockTime(pass.set.jdUt, zone) + " " + Bearing(pass.set) +
         (pass.visible ? ", visible" : ", unseen");
}

}  // namespace halvane
