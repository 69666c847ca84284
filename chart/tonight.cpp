// One sky track over the night serves every body and twilight.
#include "chart/tonight.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "astro/sky_track.h"
#include "chart/object_info.h"
#include "platform/local_day.h"

namespace halvane {
namespace {

// Dark enough for the planets: the end of nautical twilight.
constexpr double DARK_SKY = NAUTICAL_TWILIGHT;
constexpr double DARK_CHECK_STEP = 10.0 / 1440.0;  // days
constexpr double EARLY_MORNING = 0.25;             // days: before 06:00 is still last night

bool UpInTheDark(const SkyTrack& track, Body body) {
  for (double jd = track.GetStart(); jd <= track.GetEnd(); jd += DARK_CHECK_STEP) {
    if (track.BodyPlace(Body::SUN, jd, false).altitude < DARK_SKY &&
        track.BodyPlace(body, jd, false).altitude > STANDARD_HORIZON) {
      return true;
    }
  }
  return false;
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
    tonight.minorBodies.push_back({bodies[i].name, place.magnitude,
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

}  // namespace

Tonight ComputeTonight(const Moment& moment, const ZoneOffsets& zone) {
  Tonight tonight;
  tonight.zone = zone;
  const double jd = moment.GetJulianDayUt();
  const double midnight = LocalMidnight(jd - EARLY_MORNING, zone);
  if (!std::isfinite(midnight)) return tonight;
  tonight.start = midnight + 0.5;
  tonight.end = tonight.start + 1.0;
  const SkyTrack track(tonight.start, tonight.end, moment.GetLongitude(), moment.GetLatitude());
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
  for (int b = static_cast<int>(Body::MERCURY); b <= static_cast<int>(Body::NEPTUNE); ++b) {
    const Body body = static_cast<Body>(b);
    tonight.planets.push_back({body, BodyEvents(track, body), UpInTheDark(track, body)});
  }
  AddMinorBodies(moment, track, tonight);
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

std::vector<TonightEntry> TonightEntries(const Tonight& t) {
  std::vector<TonightEntry> entries = {
      {"Sunset " + First(t.sun.settings, t.sun, false, false, t.zone), Body::SUN, {}},
      {"Twilight ends: civil " + First(t.civil.settings, t.civil, true, false, t.zone) +
           ", nautical " + First(t.nautical.settings, t.nautical, true, false, t.zone) +
           ", astronomical " + First(t.astronomical.settings, t.astronomical, true, false, t.zone),
       Body::SUN,
       {}},
      {"Dawn: astronomical " + First(t.astronomical.risings, t.astronomical, true, false, t.zone) +
           ", nautical " + First(t.nautical.risings, t.nautical, true, false, t.zone) + ", civil " +
           First(t.civil.risings, t.civil, true, false, t.zone),
       Body::SUN,
       {}},
      {"Sunrise " + First(t.sun.risings, t.sun, false, false, t.zone), Body::SUN, {}},
  };
  char moon[160];
  std::snprintf(moon, sizeof moon, "Moon: rises %s, sets %s, %s (%.0f %% lit)",
                First(t.moon.risings, t.moon, false, false, t.zone).c_str(),
                First(t.moon.settings, t.moon, false, false, t.zone).c_str(), t.moonPhase.c_str(),
                t.moonIlluminated * 100);
  entries.push_back({moon, Body::MOON, {}});
  for (const TonightPlanet& planet : t.planets) {
    entries.push_back(
        {std::string(BodyName(planet.body)) + ": " + PlanetLine(planet, false, t.zone),
         planet.body,
         {}});
  }
  for (const TonightMinorBody& body : t.minorBodies) {
    entries.push_back(
        {body.name + ": " + MinorBodyLine(body, false, t.zone), Body::SUN, body.name});
  }
  return entries;
}

}  // namespace halvane
