// SkyPlaces: where a catalog direction (J2000) stands in the observer's sky for one frame,
// either the catalog's places turned by the mean sidereal angle, or the apparent places of the
// date with refraction. Every layer, tap and go-to asks it, so both modes place them alike.
#pragma once

#include <optional>

#include "astro/apparent_place.h"
#include "astro/direction.h"
#include "astro/observer.h"

namespace halvane {

class SkyPlaces {
 public:
  // The catalog's places as they stand for the observer at the local mean sidereal angle
  // (radians).
  SkyPlaces(const Observer& observer, double siderealAngle);

  // Apparent places of the moment jdUt (Julian day, universal time) and jdTt (TT) for the
  // observer, with refraction above -1 degree.
  static SkyPlaces OfDate(double jdUt, double jdTt, const Observer& observer);

  // The observer's place this sky is seen from.
  const Observer& GetObserver() const { return observer; }

  bool IsPrecise() const { return apparent.has_value(); }
  // The local sidereal angle (radians) that turns the sky's right ascensions to hour angles:
  // mean for the plain sky, apparent for the sky of the date.
  double GetSiderealAngle() const { return siderealAngle; }
  // The largest angle (radians) between a catalog direction turned by the sidereal angle alone
  // and its place here: a cull on catalog coordinates widened by it loses nothing.
  double GetMargin() const { return margin; }

  // J2000 right ascension and declination (radians) to the azimuth and altitude (radians) the
  // chart draws for the observer.
  void ToHorizontal(double rightAscension, double declination, double& azimuth,
                    double& altitude) const;
  // The same place as a horizontal direction: for the plain sky without inverse functions.
  Direction ToHorizontal(double rightAscension, double declination) const;
  // The plain sky's turn of catalog directions into the observer's horizontal frame. The sky of
  // the date has none: aberration and refraction are not a rotation.
  std::optional<Rotation> CatalogToHorizontal() const;
  // The chart's azimuth and altitude back to J2000; the right ascension in [0, 2 pi).
  void FromHorizontal(double azimuth, double altitude, double& rightAscension,
                      double& declination) const;

 private:
  Observer observer;
  std::optional<ApparentPlace> apparent;
  double siderealAngle = 0.0;
  double margin = 0.0;
};

}  // namespace halvane
