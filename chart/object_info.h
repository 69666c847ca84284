// What the information panel and halvane-render --info tell about a named object: what it is,
// where it stands, and when it next rises, culminates and sets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/moment.h"
#include "astro/rise_set.h"
#include "catalog/catalog_records.h"
#include "catalog/object_ref.h"
#include "catalog/sky_names.h"
#include "platform/local_day.h"

namespace halvane {

struct ObjectInfo {
  std::string name;  // UTF-8, as Find shows it
  std::string kind;  // "star", "planet", "the Moon", "spiral galaxy", "open cluster", ...
  std::optional<double> magnitude;
  std::optional<double> colorIndex;   // B-V, stars
  std::optional<double> diameter;     // arcseconds, bodies
  std::optional<double> distanceAu;   // bodies
  std::optional<double> illuminated;  // 0..1, the Moon, Mercury and Venus
  std::string phase;                  // "waxing crescent", ... where illuminated is
  std::optional<double> elongation;   // degrees from the Sun, planets and the Moon
  bool isMoon = false;                // its distance goes in km
  // Comets and asteroids: r and Delta in AU, the phase angle in degrees, the elements' epoch
  // (Julian day) and their age at the moment in days.
  std::optional<double> sunDistanceAu;
  std::optional<double> deltaAu;
  std::optional<double> phaseAngle;
  std::optional<double> elementsEpoch;
  double elementsAge = 0.0;
  bool noElements = false;              // a bright asteroid's name while no elements are loaded
  std::string constellation;            // full name: "Sagittarius"
  double majorAxis = 0.0;               // deep-sky objects: apparent size, minutes of arc; 0
  double minorAxis = 0.0;               // when not given
  std::vector<std::string> otherNames;  // the catalogs' other names of a deep-sky object
  bool fixed = true;                    // a star or deep-sky object, not a body: its horizon
                                        // events repeat each sidereal day
  double rightAscension = 0.0;          // J2000, radians
  double declination = 0.0;
  double rightAscensionOfDate = 0.0;  // apparent, of the moment, radians
  double declinationOfDate = 0.0;
  double altitude = 0.0;            // now, as the chart shows it, radians
  double azimuth = 0.0;             // from north through east, radians in [0, 2 pi)
  double moment = 0.0;              // Julian day (UT) shown
  HorizonEvents next;               // over the 24 hours from the moment
  ZoneOffsets zone = DeviceOffset;  // the place's, for its local date and clock readings
};

// The object (as its CanonicalObject) at the moment, with a star's magnitude and colour from
// stars; empty for a reference out of range, a satellite (chart/satellite_info.h) and a body
// without a place then. Its day and times are those of the zone.
std::optional<ObjectInfo> DescribeObject(const SkyNames& names,
                                         const std::vector<StarRecord>& stars, ObjectRef object,
                                         const Moment& moment,
                                         const ZoneOffsets& zone = DeviceOffset);

// The `key: value` pairs of halvane-render --info, in order, those that apply: name, kind,
// magnitude, size (minutes of arc, "66x60"), names (the other names, "; " between),
// constellation, ra_j2000, dec_j2000, ra_date, dec_date (hours and degrees, 4 decimals),
// altitude, azimuth, rise, transit, set (the first of each in the 24 hours from the moment,
// ISO 8601 local time with the offset, or "none"), visibility ("rises and sets",
// "circumpolar" or "never rises" over those hours), distance, illuminated, phase; for comets
// and asteroids r_au, delta_au, phase_angle (degrees) and epoch (the elements', a date).
std::vector<std::pair<std::string, std::string>> InfoFields(const ObjectInfo& info);

// The panel's lines under the name, for people: "planet, magnitude -4.2, in Sagittarius",
// "Up now; sets at tomorrow 00:05, rises at 11:40, transit 17:30", ...
std::vector<std::string> InfoPanelLines(const ObjectInfo& info);

// The phase of a disc lit by the fraction (0..1), growing or shrinking: "new", "waxing
// crescent", "first quarter", "waxing gibbous", "full", and the waning ones.
std::string PhaseName(double illuminated, bool waxing);

// Where the object stands and when it next rises, transits and sets: "Up now; sets at
// 19:12, rises at tomorrow 07:02, transit tomorrow 12:40", "Below the horizon: never rises
// here", ...
std::string HorizonLine(const ObjectInfo& info);

}  // namespace halvane
