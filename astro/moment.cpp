// One instant's sky, built once from one conversion of the calendar date.
#include "astro/moment.h"

#include <cmath>
#include <limits>
#include <utility>

#include "astro/delta_t.h"
#include "astro/sidereal_time.h"

namespace halvane {

namespace {

const SharedMinorBodies& NoMinorBodies() {
  static const SharedMinorBodies none = std::make_shared<const MinorBodyList>();
  return none;
}

}  // namespace

Moment::Moment() : Moment(SkyPlaces(Observer(), 0.0)) {}

Moment::Moment(const SkyPlaces& sky)
    : jdUt(std::numeric_limits<double>::quiet_NaN()),
      jdTt(std::numeric_limits<double>::quiet_NaN()),
      sky(sky),
      minorBodies(NoMinorBodies()) {}

Moment::Moment(const CalendarTime& time, const Observer& place, bool precise,
               const SharedMinorBodies& minorBodies)
    : time(time),
      jdUt(JulianDayAt(time)),
      jdTt(TerrestrialJulianDay(jdUt)),
      sky(precise ? SkyPlaces::OfDate(jdUt, jdTt, place)
                  : SkyPlaces(place, SiderealTimeAt(time, place.GetLongitude()))),
      minorBodies(minorBodies ? minorBodies : NoMinorBodies()) {}

const SolarSystemPlaces& Moment::GetBodies() const {
  if (!bodies) {
    bodies =
        ComputeSolarSystem(jdUt, jdTt, GetObserver().GetLongitude(), GetObserver().GetLatitude());
  }
  return *bodies;
}

const std::vector<MinorBodyPlace>& Moment::GetMinorBodies() const {
  if (!minorPlaces) {
    minorPlaces = ComputeMinorBodies(*minorBodies, jdUt, jdTt, GetObserver().GetLongitude(),
                                     GetObserver().GetLatitude());
  }
  return *minorPlaces;
}

bool Moment::Matches(const CalendarTime& other, const Observer& place, bool precise) const {
  return std::isfinite(jdUt) && IsPrecise() == precise &&
         GetObserver().GetLongitude() == place.GetLongitude() &&
         GetObserver().GetLatitude() == place.GetLatitude() && time.year == other.year &&
         time.month == other.month && time.day == other.day && time.hour == other.hour &&
         time.minute == other.minute && time.second == other.second &&
         time.milliseconds == other.milliseconds;
}

}  // namespace halvane
