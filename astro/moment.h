// Moment: the one instant a frame shows, for one observer's place: the universal time, TT,
// the sky of that instant (SkyPlaces) and the places of the Sun, Moon and planets. Built
// where the time, the place or "Precise positions" changes; everything a frame draws, taps
// and turns to is asked of it, so no caller keeps two of these in step.
#pragma once

#include <optional>
#include <vector>

#include "astro/calendar_time.h"
#include "astro/minor_body.h"
#include "astro/sky_places.h"
#include "astro/solar_system.h"

namespace halvane {

class Moment {
 public:
  // No moment yet: the default observer's plain sky at sidereal angle 0, Julian days NaN, no
  // bodies available.
  Moment();
  // A sky without a time (charts of a fixed sidereal angle): the given sky and its observer, no
  // bodies.
  explicit Moment(const SkyPlaces& sky);
  // The instant of a universal-time record for the observer's place; precise: the apparent
  // places of the date with refraction, else the catalog's places turned by the mean sidereal
  // time. The comets and asteroids are those of minorBodies (none when null).
  Moment(const CalendarTime& time, const Observer& place, bool precise,
         const SharedMinorBodies& minorBodies = nullptr);

  const CalendarTime& GetTime() const { return time; }
  double GetJulianDayUt() const { return jdUt; }
  double GetJulianDayTt() const { return jdTt; }
  // The observer's place: the one the frame, its taps and its go-tos are seen from.
  const Observer& GetObserver() const { return sky.GetObserver(); }
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
  bool Matches(const CalendarTime& other, const Observer& place, bool precise) const;

 private:
  CalendarTime time{};
  double jdUt;
  double jdTt;
  SkyPlaces sky;
  mutable std::optional<SolarSystemPlaces> bodies;
  SharedMinorBodies minorBodies;
  mutable std::optional<std::vector<MinorBodyPlace>> minorPlaces;
};

}  // namespace halvane
