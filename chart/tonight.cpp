// One sky track over the night serves every body and twilight.
#include "chart/tonight.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "astro/sky_track.h"
#include "chart/object_info.h"
#include "platform/local_day.h"
#include "platform/translate.h"
#include "view/body_label.h"

namespace halvane {
namespace {

// Dark enough for the planets: the end of nautical twilight.
constexpr double DARK_SKY = NAUTICAL_TWILIGHT;
constexpr double DARK_CHECK_STEP = 10.0 / 1440.0;  // days
constexpr double EARLY_MORNING = 0.25;             // days: before 06:00 is still last night

// The instants, DARK_CHECK_STEP apart, at which the sky is dark.
std::vector<double> DarkInstants(const SkyTrack& track) {
  std::vector<double> dark;
  for (double jd = track.GetStart(); jd <= track.GetEnd(); jd += DARK_CHECK_STEP) {
    if (track.BodyPlace(Body::SUN, jd, false).altitude < DARK_SKY) dark.push_back(jd);
  }
  return dark;
}

bool UpInTheDark(const SkyTrack& track, const std::vector<double>& dark, Body body) {
  return std::any_of(dark.begin(), dark.end(), [&](double jd) {
    return track.BodyPlace(body, jd, false).altitude > STANDARD_HORIZON;
  });
}

// The nebula catalogs give the magnitude of the stars within, and 0 stands for none given:
// neither says how the object itself looks.
bool HasOwnMagnitude(const DeepSkyRecord& record) {
  const std::string_view name = FieldText(record.name);
  for (const std::string_view catalog : {"LDN ", "LBN ", "VdB ", "Ced ", "Sh2-", "B "}) {
    if (name.starts_with(catalog)) return false;
  }
  return record.magnitude > 0;
}

std::vector<TonightObject> BestDeepSky(const SkyTrack& track, const std::vector<double>& dark,
                                       const std::vector<NumberedDeepSky>& records) {
  std::vector<TonightObject> best;
  for (const auto& [record, number] : records) {
    if (best.size() >= TONIGHT_DEEP_SKY) break;
    if (!HasOwnMagnitude(record)) continue;
    double highest = 0.0, altitude = TONIGHT_MIN_ALTITUDE;
    for (double jd : dark) {
      const double a = track.StarPlace(record.rightAscension, record.declination, jd).altitude;
      if (a >= altitude) {
        altitude = a;
        highest = jd;
      }
    }
    if (highest == 0.0) continue;
    const std::string name(FieldText(record.name));
    best.push_back(
        {name, number, DeepSkyTypeName(TypeOf(record)), record.magnitude / 100.0, highest});
  }
  return best;
}

std::string First(const std::vector<double>& times, const HorizonEvents& events, bool twilight,
                  bool iso, const ZoneOffsets& zone);

bool StarUpInTheDark(const SkyTrack& track, double rightAscension, double declination) {
  for (double jd = track.GetStart(); jd <= track.GetEnd(); jd += DARK_CHECK_STEP) {
    if (track.BodyPlace(Body::SUN, jd, false).altitude < DARK_SKY &&
        track.StarPlace(rightAscension, declination, jd).altitude > STANDARD_HORIZON) {
      return true;
    }
  }
  return false;
}

void AddMinorBodies(const Moment& moment, const SkyTrack& track, Tonight& tonight) {
  const MinorBodyList& bodies = *moment.GetMinorBodyList();
  if (bodies.empty()) return;
  const std::vector<MinorBodyPlace>& places = moment.GetMinorBodies();
  for (size_t i = 0; i < bodies.size(); ++i) {
    const MinorBodyPlace& place = places[i];
    if (!place.available || place.magnitude > TONIGHT_MINOR_BODY_LIMIT ||
        !StarUpInTheDark(track, place.rightAscension, place.declination)) {
      continue;
    }
    tonight.minorBodies.push_back({bodies[i].name, static_cast<uint32_t>(i), place.magnitude,
                                   StarEvents(track, place.rightAscension, place.declination)});
  }
  std::stable_sort(tonight.minorBodies.begin(), tonight.minorBodies.end(),
                   [](const TonightMinorBody& a, const TonightMinorBody& b) {
                     return a.magnitude < b.magnitude;
                   });
}

std::string MinorBodyLine(const TonightMinorBody& body, bool iso, const ZoneOffsets& zone) {
  const HorizonEvents& e = body.events;
  char magnitude[32];
  std::snprintf(magnitude, sizeof magnitude, "magnitude %.1f", body.magnitude);
  return std::string(magnitude) + ", rise " + First(e.risings, e, false, iso, zone) + ", transit " +
         First(e.transits, e, true, iso, zone) + ", set " + First(e.settings, e, false, iso, zone);
}

// The first event of a kind, or what stands for it.
std::string First(const std::vector<double>& times, const HorizonEvents& events, bool twilight,
                  bool iso, const ZoneOffsets& zone) {
  if (!times.empty()) {
    return iso ? LocalIsoTime(times.front(), zone) : LocalClockTime(times.front(), zone);
  }
  if (twilight) return "none";
  if (events.AlwaysAbove()) return "always up";
  if (events.NeverAbove()) return "never rises";
  return "none";
}

std::string Lower(const char* name) {
  std::string text(name);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string PlanetLine(const TonightPlanet& planet, bool iso, const ZoneOffsets& zone) {
  const HorizonEvents& e = planet.events;
  return "rise " + First(e.risings, e, false, iso, zone) + ", transit " +
         First(e.transits, e, true, iso, zone) + ", set " + First(e.settings, e, false, iso, zone) +
         (planet.upInTheDark ? ", up in the dark" : ", not up in the dark");
}

using ClockReading = std::function<std::string(double)>;

// "civil 20:15, nautical 20:52": the first time of each twilight that has one; each kind a
// translated pattern of its time, %1.
std::string TwilightTimes(
    const std::vector<std::pair<std::string, const std::vector<double>*>>& kinds,
    const ClockReading& at) {
  std::string text;
  for (const auto& [pattern, times] : kinds) {
    if (times->empty()) continue;
    text += (text.empty() ? "" : Words::Tr(", ")) + FillArgs(pattern, {at(times->front())});
  }
  return text;
}

// A body's night: "up all night", "not up tonight" (or up only by day), or its first rise,
// transit and set in time order.
std::string BodyNight(const HorizonEvents& events, bool upInTheDark, bool hasDark,
                      const ClockReading& at) {
  if (events.AlwaysAbove()) {
    return hasDark ? Words::Tr("up all night") : Words::Tr("up all night, in a light sky");
  }
  if (events.NeverAbove() || (hasDark && !upInTheDark)) return Words::Tr("not up tonight");
  // Each a pattern of one time, %1.
  std::vector<std::pair<double, std::string>> next;
  if (!events.risings.empty()) next.emplace_back(events.risings.front(), Words::Tr("rises %1"));
  if (!events.transits.empty()) next.emplace_back(events.transits.front(), Words::Tr("transit %1"));
  if (!events.settings.empty()) next.emplace_back(events.settings.front(), Words::Tr("sets %1"));
  std::sort(next.begin(), next.end());
  std::string text;
  for (const auto& [jd, pattern] : next) {
    text += (text.empty() ? "" : Words::Tr(", ")) + FillArgs(pattern, {at(jd)});
  }
  return text;
}

}  // namespace

Tonight ComputeTonight(const Moment& moment, const ZoneOffsets& zone,
                       const std::vector<NumberedDeepSky>& deepSky) {
  Tonight tonight;
  tonight.zone = zone;
  const double jd = moment.GetJulianDayUt();
  const double midnight = LocalMidnight(jd - EARLY_MORNING, zone);
  if (!std::isfinite(midnight)) return tonight;
  tonight.start = midnight + 0.5;
  tonight.end = tonight.start + 1.0;
  const SkyTrack track(tonight.start, tonight.end, moment.GetObserver().GetLongitude(),
                       moment.GetObserver().GetLatitude());
  tonight.sun = BodyEvents(track, Body::SUN);
  tonight.civil = TwilightEvents(track, CIVIL_TWILIGHT);
  tonight.nautical = TwilightEvents(track, NAUTICAL_TWILIGHT);
  tonight.astronomical = TwilightEvents(track, ASTRONOMICAL_TWILIGHT);
  tonight.moon = BodyEvents(track, Body::MOON);
  const BodyPlace& moon = moment.GetBodies()[static_cast<int>(Body::MOON)];
  tonight.moonIlluminated = moon.illuminatedFraction;
  const int m = static_cast<int>(Body::MOON);
  tonight.moonPhase = PhaseName(moon.illuminatedFraction,
                                track.BodiesNear(tonight.end)[m].illuminatedFraction >
                                    track.BodiesNear(tonight.start)[m].illuminatedFraction);
  const std::vector<double> dark = DarkInstants(track);
  tonight.hasDark = !dark.empty();
  tonight.moonUpInTheDark = UpInTheDark(track, dark, Body::MOON);
  for (int b = static_cast<int>(Body::MERCURY); b <= static_cast<int>(Body::NEPTUNE); ++b) {
    const Body body = static_cast<Body>(b);
    tonight.planets.push_back({body, BodyEvents(track, body), UpInTheDark(track, dark, body)});
  }
  AddMinorBodies(moment, track, tonight);
  tonight.deepSky = BestDeepSky(track, dark, deepSky);
  return tonight;
}

std::vector<std::pair<std::string, std::string>> TonightFields(const Tonight& t) {
  std::vector<std::pair<std::string, std::string>> fields = {
      {"sunset", First(t.sun.settings, t.sun, false, true, t.zone)},
      {"civil_dusk", First(t.civil.settings, t.civil, true, true, t.zone)},
      {"nautical_dusk", First(t.nautical.settings, t.nautical, true, true, t.zone)},
      {"astronomical_dusk", First(t.astronomical.settings, t.astronomical, true, true, t.zone)},
      {"astronomical_dawn", First(t.astronomical.risings, t.astronomical, true, true, t.zone)},
      {"nautical_dawn", First(t.nautical.risings, t.nautical, true, true, t.zone)},
      {"civil_dawn", First(t.civil.risings, t.civil, true, true, t.zone)},
      {"sunrise", First(t.sun.risings, t.sun, false, true, t.zone)},
      {"moonrise", First(t.moon.risings, t.moon, false, true, t.zone)},
      {"moonset", First(t.moon.settings, t.moon, false, true, t.zone)},
  };
  char phase[64];
  std::snprintf(phase, sizeof phase, "%s, %.4f illuminated", t.moonPhase.c_str(),
                t.moonIlluminated);
  fields.emplace_back("moon_phase", phase);
  for (const TonightPlanet& planet : t.planets) {
    fields.emplace_back(Lower(BodyName(planet.body)), PlanetLine(planet, true, t.zone));
  }
  for (const TonightMinorBody& body : t.minorBodies) {
    fields.emplace_back("minor_body", body.name + ", " + MinorBodyLine(body, true, t.zone));
  }
  return fields;
}

std::vector<TonightEntry> TonightEntries(const Tonight& t, const std::string& place) {
  // Read from the evening's noon: times after midnight carry their date.
  const auto at = [&t](double jd) { return LocalTimeFromDay(jd, t.start, false, t.zone); };
  const ObjectRef sun{ObjectSource::Body, static_cast<uint32_t>(Body::SUN)};
  std::vector<TonightEntry> entries;
  // The second of each entry is the name Find knows it by, in English.
  entries.push_back(
      {place.empty()
           ? FillArgs(Words::Tr("Tonight, %1"), {LocalDateText(t.start, t.zone)})
           //: %1 is the place, %2 the date
           : FillArgs(Words::Tr("Tonight in %1, %2"), {place, LocalDateText(t.start, t.zone)}),
       std::nullopt});
  const bool polar = t.sun.AlwaysAbove() || t.sun.NeverAbove();
  if (t.sun.AlwaysAbove()) entries.push_back({Words::Tr("The Sun does not set"), sun});
  if (t.sun.NeverAbove()) entries.push_back({Words::Tr("The Sun does not rise"), sun});
  if (!t.sun.settings.empty()) {
    entries.push_back({FillArgs(Words::Tr("Sunset %1"), {at(t.sun.settings.front())}), sun});
  }
  //: the twilights, each with its time %1
  const std::string civil = Words::Tr("civil %1");
  const std::string nautical = Words::Tr("nautical %1");
  const std::string astronomical = Words::Tr("astronomical %1");
  const std::string dusk = TwilightTimes({{civil, &t.civil.settings},
                                          {nautical, &t.nautical.settings},
                                          {astronomical, &t.astronomical.settings}},
                                         at);
  if (!dusk.empty()) {
    //: %1 lists the ends of the twilights
    entries.push_back({FillArgs(Words::Tr("Twilight ends: %1"), {dusk}) +
                           (t.astronomical.settings.empty() ? Words::Tr("; no full darkness") : ""),
                       sun});
  } else if (!polar || t.sun.AlwaysAbove()) {
    entries.push_back({t.astronomical.NeverAbove() ? Words::Tr("Dark all night")
                                                   : Words::Tr("No full darkness tonight"),
                       sun});
  }
  const std::string dawn = TwilightTimes({{astronomical, &t.astronomical.risings},
                                          {nautical, &t.nautical.risings},
                                          {civil, &t.civil.risings}},
                                         at);
  if (!dawn.empty()) entries.push_back({FillArgs(Words::Tr("Dawn: %1"), {dawn}), sun});
  if (!t.sun.risings.empty()) {
    entries.push_back({FillArgs(Words::Tr("Sunrise %1"), {at(t.sun.risings.front())}), sun});
  }

  const std::string lit = Words::Number(t.moonIlluminated * 100, 0);
  //: %1 is the Moon's night, %2 its phase, %3 the lit percentage
  entries.push_back({FillArgs(Words::Tr("Moon: %1, %2 (%3 % lit)"),
                              {BodyNight(t.moon, t.moonUpInTheDark, t.hasDark, at),
                               Words::Tr(t.moonPhase.c_str()), lit}),
                     ObjectRef{ObjectSource::Body, static_cast<uint32_t>(Body::MOON)}});
  for (const TonightPlanet& planet : t.planets) {
    //: %1 is a planet, %2 its night
    entries.push_back({FillArgs(Words::Tr("%1: %2"),
                                {BodyLabel(planet.body),
                                 BodyNight(planet.events, planet.upInTheDark, t.hasDark, at)}),
                       ObjectRef{ObjectSource::Body, static_cast<uint32_t>(planet.body)}});
  }
  // Only comets and asteroids up in the dark are listed.
  for (const TonightMinorBody& body : t.minorBodies) {
    const std::string magnitude = Words::Number(body.magnitude, 1);
    //: %1 is a comet or asteroid, %2 its magnitude, %3 its night
    entries.push_back(
        {FillArgs(Words::Tr("%1: magnitude %2, %3"),
                  {body.name, magnitude, BodyNight(body.events, true, t.hasDark, at)}),
         ObjectRef{ObjectSource::MinorBody, body.index}});
  }
  if (!t.hasDark) {
    entries.push_back({Words::Tr("No dark hours for the deep sky tonight"), std::nullopt});
  }
  for (const TonightObject& object : t.deepSky) {
    const std::string magnitude = Words::Number(object.magnitude, 1);
    const std::string kind = object.kind.empty() ? "" : Words::Tr(object.kind.c_str());
    entries.push_back(
        {kind.empty()
             //: %1 is a deep-sky object, %2 its magnitude, %3 the time it stands highest
             ? FillArgs(Words::Tr("%1: magnitude %2, highest %3"),
                        {object.name, magnitude, at(object.highest)})
             //: %1 is a deep-sky object, %2 its kind, %3 its magnitude, %4 the time it stands
             //: highest
             : FillArgs(Words::Tr("%1: %2, magnitude %3, highest %4"),
                        {object.name, kind, magnitude, at(object.highest)}),
         ObjectRef{ObjectSource::DeepSky, object.number}});
  }
  return entries;
}

}  // namespace halvane
