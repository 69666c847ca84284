// A satellite's facts at a moment and their written forms.
#include "chart/satellite_info.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "chart/object_info.h"
#include "platform/translate.h"
#include "view/compass_point.h"

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
  //: %1 is a point of the compass, %2 the azimuth in degrees
  return FillArgs(Words::Tr("%1 %2°"),
                  {CompassPoint(azimuth), Words::Number(std::round(azimuth), 0)});
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
  //: %1 is the satellite's catalog number
  std::string identity = FillArgs(Words::Tr("satellite %1"), {std::to_string(facts.catalogNumber)});
  if (!facts.designator.empty()) identity += Words::Tr(", ") + facts.designator;
  std::vector<std::string> lines{identity};
  if (facts.placed) {
    //: %1 altitude and %2 azimuth in degrees, %3 the distance in kilometres
    lines.push_back(FillArgs(
        Words::Tr("Altitude %1°, azimuth %2°, %3 km away"),
        {Words::Number(facts.look.altitude * RAD_TO_DEG, 1),
         Words::Number(facts.look.azimuth * RAD_TO_DEG, 1), Words::Number(facts.look.rangeKm, 0)}));
    lines.push_back(facts.light == SatelliteLight::Umbra ? Words::Tr("In the Earth's shadow")
                                                         : Words::Tr("Sunlit"));
  } else {
    lines.push_back(Words::Tr("No position: its elements no longer give one"));
  }
  //: %1 is the date of the orbital elements, %2 their age in days
  std::string age = FillArgs(
      Words::Tr("Elements of %1, %2 days old"),
      {LocalIsoTime(facts.epochJdUt, zone).substr(0, 10), Words::Number(facts.ageDays, 1)});
  if (facts.ageDays > STALE_ELEMENTS_DAYS) age += Words::Tr(": positions may be minutes off");
  lines.push_back(age);
  lines.push_back(facts.nextVisible ? FillArgs(Words::Tr("Next visible pass: %1"),
                                               {PassText(*facts.nextVisible, zone)})
                                    : Words::Tr("No visible pass in the next 10 days"));
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
  //: a satellite's pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude
  //: then in degrees, %5 set time, %6 its bearing
  return FillArgs(pass.visible ? Words::Tr("%1 %2 to %3 at %4° to %5 %6, visible")
                               : Words::Tr("%1 %2 to %3 at %4° to %5 %6, unseen"),
                  {LocalClockTime(pass.rise.jdUt, zone), Bearing(pass.rise),
                   LocalClockTime(pass.culmination.jdUt, zone),
                   Words::Number(pass.culmination.altitude * RAD_TO_DEG, 0),
                   LocalClockTime(pass.set.jdUt, zone), Bearing(pass.set)});
}

}  // namespace halvane
