// Moment: the one instant a frame shows, for one observer's place: the universal time, TT,
// the sky of that instant (SkyPlaces) and the places of the Sun, Moon and planets. Built
// where the time, the place or "Precise positions" changes; everything a frame draws, taps
// and turns to is asked of it, so no caller keeps two of these in step.
#pragma once

#include <optional>
#include <vector>

#include "astro/minor_body.h"
#include "astro/sky_places.h"
#include "astro/solar_system.h"
#include "astro/system_time.h"

namespace halvane {

class Moment {
 public:
  // No moment yet: the plain sky at sidereal angle 0, Julian days NaN, no bodies available.
  Moment();
  // A sky without a time (charts of a fixed sidereal angle): the given sky, no bodies. Implicit,
  // so that an angle or a sky stands for such a moment wherever one is asked for.
  Moment(const SkyPlaces& sky);
  Moment(double siderealAngle) : Moment(SkyPlaces(siderealAngle)) {}
  // The instant of a universal-time record at `longitude` (degrees, positive west) and
  // `latitude` (degrees); precise: the apparent places of the date with refraction, else the
  // catalog's places turned by the mean sidereal time. The comets and asteroids are those of
  // minorBodies (none when null).
  Moment(const SYSTEMTIME& time, double longitude, double latitude, bool precise,
         const SharedMinorBodies& minorBodies = nullptr);

  const SYSTEMTIME& GetTime() const { return time; }
  double GetJulianDayUt() const { return jdUt; }
  double GetJulianDayTt() const { return jdTt; }
  double GetLongitude() const { return longitude; }
  double GetLatitude() const { return latitude; }
  bool IsPrecise() const { return sky.IsPrecise(); }
  const SkyPlaces& GetSky() const { return sky; }
  // The bodies of this instant and place, computed at the first ask and kept: a frame that only
  // pans asks again for nothing.
  const SolarSystemPlaces& GetBodies() const;
  // The comets and asteroids the moment was built with (never null), and their places, indexed
  // alike, computed at the first ask and kept as the bodies' are.
  const SharedMinorBodies& GetMinorBodyList() const { return minorBodies; }
  const std::vector<MinorBodyPlace>& GetMinorBodies() const;

  // Whether this moment already is the one these inputs would build.
  bool Matches(const SYSTEMTIME& other, double otherLongitude, double otherLatitude,
               bool precise) const;

 private:
  SYSTEMTIME time{};
  double longitude = 0.0;
  double latitude = 0.0;
  double jdUt;
  double jdTt;
  SkyPlaces sky{0.0};
  mutable std::optional<SolarSystemPlaces> bodies;
  SharedMinorBodies minorBodies;
  mutable std::optional<std::vector<MinorBodyPlace>> minorPlaces;
};

}  // namespace halvane
