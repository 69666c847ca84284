// The sky over a span of hours for one observer: the apparent places of date of the Sun, the
// Moon and the planets and the apparent sidereal angle, sampled and interpolated, so that the
// rise and set search asks for a place many times at the cost of a few ephemeris calls.
#pragma once

#include <array>
#include <vector>

#include "astro/apparent_place.h"
#include "astro/rise_set.h"
#include "astro/solar_system.h"

namespace halvane {

class SkyTrack {
 public:
  // Samples every `step` days (an hour by default) from jdStart to jdEnd (Julian days UT), one
  // more each side for the interpolation, for an observer at `longitude` (degrees, positive
  // west) and `latitude` (degrees). Quadratic interpolation over an hour keeps the Moon, whose
  // topocentric place swings by its parallax through the day, within about 2 arcseconds. One
  // precession-nutation and aberration, and one sidereal angle advanced at the Earth's rate,
  // serve the whole span: over a day they drift by well under an arcsecond.
  SkyTrack(double jdStart, double jdEnd, double longitude, double latitude,
           double step = 1.0 / 24.0);

  double GetStart() const { return start; }
  double GetEnd() const { return end; }

  // Where a body's centre, or with upperLimb its upper limb, stands at jdUt within the span.
  HorizonPlace BodyPlace(Body body, double jdUt, bool upperLimb) const;

  // Where a J2000 direction (radians; a star, without proper motion) stands at jdUt.
  HorizonPlace StarPlace(double rightAscension, double declination, double jdUt) const;

  // The bodies as ComputeSolarSystem gives them at the sample nearest jdUt.
  const SolarSystemPlaces& BodiesNear(double jdUt) const;

 private:
  struct Sample {
    SolarSystemPlaces bodies;
    std::array<double, BODY_COUNT> rightAscension;  // apparent, of date, radians
    std::array<double, BODY_COUNT> declination;
  };

  // The first of three samples around jdUt, and the interpolation weights of each.
  size_t Weights(double jdUt, std::array<double, 3>& weights) const;
  double SiderealAngle(double jdUt) const;

  double start;
  double end;
  double step;
  double latitude;  // radians
  ApparentPlace middle;
  std::vector<Sample> samples;
};

// Risings, upper transits and settings over the track's span at the standard altitude: the
// upper limb of the Sun and the Moon, the centre of the planets.
HorizonEvents BodyEvents(const SkyTrack& track, Body body);

// The same for a J2000 direction (radians), a star.
HorizonEvents StarEvents(const SkyTrack& track, double rightAscension, double declination);

// The Sun's centre through a twilight depth (CIVIL_TWILIGHT, ...): risings are dawns, settings
// dusks.
HorizonEvents TwilightEvents(const SkyTrack& track, double depth);

}  // namespace halvane
