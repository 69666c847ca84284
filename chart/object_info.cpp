// The facts of one object at one moment, and their two written forms.
#include "chart/object_info.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/apparent_place.h"
#include "astro/constellation.h"
#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "astro/sky_track.h"
#include "catalog/data_file.h"
#include "catalog/sky_target.h"
#include "catalog/star_list.h"
#include "platform/local_day.h"
#include "platform/translate.h"
#include "view/compass_point.h"

namespace halvane {
namespace {

constexpr double AU_KM = 149597870.7;  // astronomical unit, km (IAU 2012)
constexpr double RAD_TO_ARCSEC = RAD_TO_DEG * 3600.0;
// A label and its star share a place to the catalog's rounding: a hundredth of a degree.
constexpr double SAME_STAR = 0.01 * DEG_TO_RAD;

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

const char* BodyKind(Body body) {
  switch (body) {
    case Body::SUN: return Words::Mark("the Sun");
    case Body::MOON: return Words::Mark("the Moon");
    case Body::PLUTO: return Words::Mark("dwarf planet");
    case Body::MERCURY:
    case Body::VENUS:
    case Body::MARS:
    case Body::JUPITER:
    case Body::SATURN:
    case Body::URANUS:
    case Body::NEPTUNE: return Words::Mark("planet");
  }
  return "";
}

bool ShowsPhase(Body body) {
  return body == Body::MOON || body == Body::MERCURY || body == Body::VENUS;
}

void DescribeBody(Body body, const Moment& moment, const SkyTrack& track, ObjectInfo& info) {
  const BodyPlace& place = moment.GetBodies()[static_cast<int>(body)];
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  info.kind = BodyKind(body);
  info.magnitude = place.magnitude;
  info.diameter = place.diameter * RAD_TO_ARCSEC;
  info.distanceAu = place.distance;
  info.isMoon = body == Body::MOON;
  if (body != Body::SUN) {
    info.elongation = AngularSeparation(place.rightAscension, place.declination, sun.rightAscension,
                                        sun.declination) *
                      RAD_TO_DEG;
  }
  if (ShowsPhase(body)) {
    info.illuminated = place.illuminatedFraction;
    const int b = static_cast<int>(body);
    const bool waxing = track.BodiesNear(track.GetEnd())[b].illuminatedFraction >
                        track.BodiesNear(track.GetStart())[b].illuminatedFraction;
    info.phase = PhaseName(place.illuminatedFraction, waxing);
  }
  info.next = BodyEvents(track, body);
  info.fixed = false;
}

// Elements older than this may put a body arcminutes off: the planets pull it away from the
// two-body path.
constexpr double ELEMENTS_STALE_DAYS = 200.0;
constexpr const char* FETCH_ELEMENTS =
    Words::Mark("No comet or asteroid elements yet: \"Update comets and asteroids\" fetches them");

// "2020-05-31" of a Julian day.
std::string CalendarDate(double jd) {
  const CalendarTime date = TimeAtJulianDay(jd);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{date.year}, unsigned{date.month},
                unsigned{date.day});
  return text;
}

// A comet's or asteroid's facts; its rising and setting taken at today's place, which a body
// moving a degree a day shifts by a few minutes.
void DescribeMinorBody(uint32_t index, const Moment& moment, const SkyTrack& track,
                       ObjectInfo& info) {
  const MinorBodyList& bodies = *moment.GetMinorBodyList();
  const MinorBodyPlace& place = moment.GetMinorBodies()[index];
  const MinorBodyElements& body = bodies[index];
  const BodyPlace& sun = moment.GetBodies()[static_cast<int>(Body::SUN)];
  info.kind = body.kind == MinorBodyKind::Comet ? Words::Mark("comet") : Words::Mark("asteroid");
  if (place.magnitude < 90.0) info.magnitude = place.magnitude;
  info.sunDistanceAu = place.sunDistance;
  info.deltaAu = place.distance;
  info.phaseAngle = place.phaseAngle * RAD_TO_DEG;
  info.elongation = AngularSeparation(place.rightAscension, place.declination, sun.rightAscension,
                                      sun.declination) *
                    RAD_TO_DEG;
  if (body.epoch > 0.0) {
    info.elementsEpoch = body.epoch;
    info.elementsAge = std::fabs(moment.GetJulianDayTt() - body.epoch);
  }
  info.fixed = false;
  info.next = StarEvents(track, place.rightAscension, place.declination);
}

// "12h 34m 56s" and "-23° 10′ 05″".
std::string Sexagesimal(double value, bool hours) {
  const char sign = value < 0 ? '-' : (hours ? '\0' : '+');
  const double whole = std::round(std::abs(value) * 3600.0);
  const int units = static_cast<int>(whole / 3600), minutes = static_cast<int>(whole / 60) % 60,
            seconds = static_cast<int>(whole) % 60;
  char text[48];
  if (hours) {
    std::snprintf(text, sizeof text, "%dh %02dm %02ds", units, minutes, seconds);
  } else {
    std::snprintf(text, sizeof text, "%c%d\u00b0 %02d\u2032 %02d\u2033", sign, units, minutes,
                  seconds);
  }
  return text;
}

const char* ObjectKindText(SkyObjectKind kind) {
  switch (kind) {
    case SkyObjectKind::Star: return Words::Mark("star");
    case SkyObjectKind::DeepSky: return Words::Mark("deep-sky object");
    case SkyObjectKind::Constellation: return Words::Mark("constellation");
    case SkyObjectKind::Asterism: return Words::Mark("asterism");
  }
  return Words::Mark("object");
}

std::string DistanceText(const ObjectInfo& info) {
  //: kilometres
  if (info.isMoon)
    return FillArgs(Words::Tr("%1 km"), {Words::Number(*info.distanceAu * AU_KM, 0)});
  //: astronomical units
  return FillArgs(Words::Tr("%1 AU"), {Words::Number(*info.distanceAu, 4)});
}

// The first of the events, as --info gives it.
std::string FirstIso(const std::vector<double>& times, const ZoneOffsets& zone) {
  return times.empty() ? "none" : LocalIsoTime(times.front(), zone);
}

std::string Visibility(const HorizonEvents& events) {
  if (events.AlwaysAbove()) return "circumpolar";
  if (events.NeverAbove()) return "never rises";
  return "rises and sets";
}

// A record of DeepSky.dat, with the other names Names.dat gives it.
void DescribeDeepSky(const SkyNames& names, uint32_t number, const std::string& shown,
                     ObjectInfo& info) {
  uint8_t bytes[DEEP_SKY_RECORD_SIZE];
  if (number != NO_OBJECT &&
      ReadRecordAt(names.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, number, bytes)) {
    const DeepSkyRecord object = DecodeDeepSky(bytes);
    const std::string type = DeepSkyTypeName(TypeOf(object));
    if (!type.empty()) info.kind = type;
    info.majorAxis = object.majorAxis / 10.0;
    info.minorAxis = (object.minorAxis != 0 ? object.minorAxis : object.majorAxis) / 10.0;
    if (object.magnitude != NO_MAGNITUDE) info.magnitude = object.magnitude / 100.0;
  }
  for (const NamedObject& other : names.objects) {
    const std::string name(FieldText(other.record.name));
    if (other.record.kind == SkyObjectKind::DeepSky && other.record.object == number &&
        shown.find(name) == std::string::npos &&
        std::find(info.otherNames.begin(), info.otherNames.end(), name) == info.otherNames.end()) {
      info.otherNames.push_back(name);
    }
  }
}

std::string SizeText(const ObjectInfo& info) {
  const char* format = info.majorAxis < 10 ? "%.1f" : "%.0f";
  std::string text = Format(format, info.majorAxis) + "\u2032";
  if (info.minorAxis != info.majorAxis)
    text += " \u00d7 " + Format(format, info.minorAxis) + "\u2032";
  return text;
}

}  // namespace

std::string HorizonLine(const ObjectInfo& info) {
  const HorizonEvents& events = info.next;
  const auto when = [&info](double jd) {
    return LocalTimeFromDay(jd, info.moment, true, info.zone);
  };
  //: %1 is the local time of the object's highest point
  const std::string transit = events.transits.empty() ? ""
                                                      : FillArgs(Words::Tr("; transit %1"),
                                                                 {when(events.transits.front())});
  if (events.AlwaysAbove()) {
    return (info.fixed ? Words::Tr("Up now; never sets here")
                       : Words::Tr("Up now; does not set within 24 hours")) +
           transit;
  }
  if (events.NeverAbove()) {
    return info.fixed ? Words::Tr("Below the horizon: never rises here")
                      : Words::Tr("Below the horizon: does not rise within 24 hours");
  }
  // Each a pattern of one time, %1.
  std::vector<std::pair<double, std::string>> next;
  if (!events.risings.empty()) next.emplace_back(events.risings.front(), Words::Tr("rises at %1"));
  if (!events.transits.empty()) next.emplace_back(events.transits.front(), Words::Tr("transit %1"));
  if (!events.settings.empty()) next.emplace_back(events.settings.front(), Words::Tr("sets at %1"));
  std::sort(next.begin(), next.end());
  std::string times;
  for (size_t i = 0; i < next.size(); ++i) {
    times += (i > 0 ? Words::Tr(", ") : "") + FillArgs(next[i].second, {when(next[i].first)});
  }
  //: %1 lists the coming rising, transit and setting
  return FillArgs(
      events.aboveAtStart ? Words::Tr("Up now; %1") : Words::Tr("Below the horizon: %1"), {times});
}

std::string PhaseName(double illuminated, bool waxing) {
  //: phase of the Moon
  if (illuminated < 0.02) return Words::Mark("new");
  //: phase of the Moon
  if (illuminated > 0.98) return Words::Mark("full");
  if (std::abs(illuminated - 0.5) < 0.03) {
    return waxing ? Words::Mark("first quarter") : Words::Mark("last quarter");
  }
  if (illuminated < 0.5)
    return waxing ? Words::Mark("waxing crescent") : Words::Mark("waning crescent");
  return waxing ? Words::Mark("waxing gibbous") : Words::Mark("waning gibbous");
}

std::optional<ObjectInfo> DescribeObject(const SkyNames& names,
                                         const std::vector<StarRecord>& stars, ObjectRef object,
                                         const Moment& moment, const ZoneOffsets& zone) {
  const double jd = moment.GetJulianDayUt();
  if (!std::isfinite(jd) || !std::isfinite(LocalMidnight(jd, zone))) return std::nullopt;
  object = CanonicalObject(names, object);
  ObjectInfo info;
  info.name = NameOf(names, object, moment);
  info.zone = zone;
  info.moment = jd;
  if (object.source == ObjectSource::UnloadedAsteroid && !info.name.empty()) {
    info.kind = Words::Mark("asteroid");
    info.noElements = true;
    return info;
  }
  const std::optional<SkyPoint> place = PlaceOf(names, object, moment);
  if (!place) return std::nullopt;
  info.rightAscension = place->rightAscension;
  info.declination = place->declination;
  const Observer& observer = moment.GetObserver();
  const SkyTrack track(jd, jd + 1.0, observer.GetLongitude(), observer.GetLatitude());
  if (object.source != ObjectSource::Body && object.source != ObjectSource::MinorBody) {
    info.next = StarEvents(track, info.rightAscension, info.declination);
  }
  switch (object.source) {
    case ObjectSource::Body:
      DescribeBody(static_cast<Body>(object.index), moment, track, info);
      break;
    case ObjectSource::Label: {
      // A Messier label whose object Names.dat lacks.
      if (IsMessierName(info.name)) {
        info.kind = Words::Mark("Messier object");
        break;
      }
      info.kind = Words::Mark("star");
      const StarRecord* star = NearestStar(stars, info.rightAscension, info.declination, SAME_STAR);
      if (star != nullptr) {
        info.magnitude = star->magnitude / 100.0;
        if (star->colorIndex != NO_COLOR_INDEX) info.colorIndex = star->colorIndex / 100.0;
      }
      break;
    }
    case ObjectSource::Constellation: info.kind = Words::Mark("constellation"); break;
    case ObjectSource::NamedObject: {
      const NameRecord& record = names.objects[object.index].record;
      info.kind = ObjectKindText(record.kind);
      if (record.magnitude != NO_MAGNITUDE) info.magnitude = record.magnitude / 100.0;
      if (record.kind == SkyObjectKind::DeepSky) {
        DescribeDeepSky(names, record.object, info.name, info);
      }
      break;
    }
    case ObjectSource::DeepSky:
      info.kind = ObjectKindText(SkyObjectKind::DeepSky);
      DescribeDeepSky(names, object.index, info.name, info);
      break;
    case ObjectSource::MinorBody: DescribeMinorBody(object.index, moment, track, info); break;
    case ObjectSource::UnloadedAsteroid:
    case ObjectSource::Satellite: return std::nullopt;
  }
  info.constellation = ConstellationOf(info.rightAscension, info.declination).name;
  const ApparentPlace ofDate(moment.GetJulianDayUt(), moment.GetJulianDayTt(),
                             observer.GetLongitude());
  ofDate.ToApparent(info.rightAscension, info.declination, info.rightAscensionOfDate,
                    info.declinationOfDate);
  moment.GetSky().ToHorizontal(info.rightAscension, info.declination, info.azimuth, info.altitude);
  info.azimuth = NormalizeAngle(info.azimuth, TWO_PI);
  return info;
}

std::vector<std::pair<std::string, std::string>> InfoFields(const ObjectInfo& info) {
  std::vector<std::pair<std::string, std::string>> fields = {{"name", info.name},
                                                             {"kind", info.kind}};
  if (info.noElements) {
    fields.emplace_back("note", FETCH_ELEMENTS);
    return fields;
  }
  if (info.magnitude) fields.emplace_back("magnitude", Format("%.2f", *info.magnitude));
  if (info.majorAxis > 0) {
    fields.emplace_back("size", Format("%g", info.majorAxis) + "x" + Format("%g", info.minorAxis));
  }
  if (!info.otherNames.empty()) {
    std::string joined;
    for (const std::string& name : info.otherNames) joined += (joined.empty() ? "" : "; ") + name;
    fields.emplace_back("names", joined);
  }
  fields.emplace_back("constellation", info.constellation);
  fields.emplace_back("ra_j2000", Format("%.4f", info.rightAscension * RAD_TO_HOURS));
  fields.emplace_back("dec_j2000", Format("%.4f", info.declination * RAD_TO_DEG));
  fields.emplace_back("ra_date", Format("%.4f", info.rightAscensionOfDate * RAD_TO_HOURS));
  fields.emplace_back("dec_date", Format("%.4f", info.declinationOfDate * RAD_TO_DEG));
  fields.emplace_back("altitude", Format("%.4f", info.altitude * RAD_TO_DEG));
  fields.emplace_back("azimuth", Format("%.4f", info.azimuth * RAD_TO_DEG));
  fields.emplace_back("rise", FirstIso(info.next.risings, info.zone));
  fields.emplace_back("transit", FirstIso(info.next.transits, info.zone));
  fields.emplace_back("set", FirstIso(info.next.settings, info.zone));
  fields.emplace_back("visibility", Visibility(info.next));
  if (info.distanceAu) fields.emplace_back("distance", DistanceText(info));
  if (info.illuminated) fields.emplace_back("illuminated", Format("%.4f", *info.illuminated));
  if (!info.phase.empty()) fields.emplace_back("phase", info.phase);
  if (info.sunDistanceAu) fields.emplace_back("r_au", Format("%.6f", *info.sunDistanceAu));
  if (info.deltaAu) fields.emplace_back("delta_au", Format("%.6f", *info.deltaAu));
  if (info.phaseAngle) fields.emplace_back("phase_angle", Format("%.4f", *info.phaseAngle));
  if (info.elementsEpoch) fields.emplace_back("epoch", CalendarDate(*info.elementsEpoch));
  return fields;
}

std::vector<std::string> InfoPanelLines(const ObjectInfo& info) {
  std::vector<std::string> lines;
  // The kinds stay English in the facts, for --info, and are translated here.
  const std::string kind = Words::Tr(info.kind.c_str());
  if (info.noElements) return {kind, Words::Tr(FETCH_ELEMENTS)};
  std::string what = kind;
  if (info.magnitude)
    what += FillArgs(Words::Tr(", magnitude %1"), {Words::Number(*info.magnitude, 1)});
  if (!info.constellation.empty() && info.kind != "constellation") {
    //: %1 is a constellation
    what += FillArgs(Words::Tr(", in %1"), {info.constellation});
  }
  lines.push_back(what);
  lines.push_back(HorizonLine(info));
  //: %1 is the apparent size, as 12′ × 5′
  if (info.majorAxis > 0) lines.push_back(FillArgs(Words::Tr("Size %1"), {SizeText(info)}));
  if (!info.otherNames.empty()) {
    std::string names;
    for (size_t i = 0; i < info.otherNames.size(); ++i) {
      names += (i > 0 ? Words::Tr(", ") : "") + info.otherNames[i];
    }
    //: %1 lists the object's other names
    lines.push_back(FillArgs(Words::Tr("Also %1"), {names}));
  }
  const double azimuth = info.azimuth * RAD_TO_DEG;
  //: %1 and %2 are angles in degrees, %3 a point of the compass
  lines.push_back(FillArgs(Words::Tr("Altitude %1°, azimuth %2° %3"),
                           {Words::Number(info.altitude * RAD_TO_DEG, 1), Words::Number(azimuth, 1),
                            CompassPoint(azimuth)}));
  //: right ascension and declination in the frame of the year 2000
  lines.push_back(FillArgs(Words::Tr("RA %1, Dec %2 (J2000)"),
                           {Sexagesimal(info.rightAscension * RAD_TO_HOURS, true),
                            Sexagesimal(info.declination * RAD_TO_DEG, false)}));
  //: right ascension and declination in the frame of the shown date
  lines.push_back(FillArgs(Words::Tr("RA %1, Dec %2 (of date)"),
                           {Sexagesimal(info.rightAscensionOfDate * RAD_TO_HOURS, true),
                            Sexagesimal(info.declinationOfDate * RAD_TO_DEG, false)}));
  if (info.distanceAu) {
    std::string size = FillArgs(Words::Tr("Distance %1"), {DistanceText(info)});
    if (info.diameter) {
      //: apparent diameter in arcminutes
      size += *info.diameter >= 120
                  ? FillArgs(Words::Tr(", size %1′"), {Words::Number(*info.diameter / 60, 1)})
                  //: apparent diameter in arcseconds
                  : FillArgs(Words::Tr(", size %1″"), {Words::Number(*info.diameter, 1)});
    }
    lines.push_back(size);
  }
  if (info.illuminated) {
    //: %1 is a phase such as "waxing crescent", %2 the lit percentage
    lines.push_back(
        FillArgs(Words::Tr("Phase: %1, %2 % lit"),
                 {Words::Tr(info.phase.c_str()), Words::Number(*info.illuminated * 100, 0)}));
  }
  if (info.sunDistanceAu && info.deltaAu) {
    //: distances in astronomical units
    lines.push_back(
        FillArgs(Words::Tr("%1 AU from the Sun, %2 AU from the Earth"),
                 {Words::Number(*info.sunDistanceAu, 3), Words::Number(*info.deltaAu, 3)}));
  }
  if (info.elongation) {
    //: angle in degrees between the body and the Sun
    lines.push_back(FillArgs(Words::Tr("%1° from the Sun"), {Words::Number(*info.elongation, 1)}));
  }
  if (info.elementsEpoch) {
    //: %1 is the date of the orbital elements, %2 their age in days
    std::string elements =
        FillArgs(Words::Tr("Elements of %1, %2 days old"),
                 {CalendarDate(*info.elementsEpoch), Words::Number(info.elementsAge, 0)});
    if (info.elementsAge > ELEMENTS_STALE_DAYS)
      elements += Words::Tr(": the place may be off by arcminutes");
    lines.push_back(elements);
  }
  if (info.colorIndex) {
    lines.push_back(
        FillArgs(Words::Tr("Colour index B−V %1"), {Words::Number(*info.colorIndex, 2)}));
  }
  return lines;
}

}  // namespace halvane
