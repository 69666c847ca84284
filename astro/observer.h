// The observer: where the chart is drawn from (latitude, longitude), with the transforms between
// the equatorial and the horizontal frame. Where the chart looks is the view's own
// (view/view_orientation.h).
#pragma once

#include "astro/direction.h"

namespace halvane {

// Angles in radians except latitude and longitude (degrees, longitude positive towards the west).
// Azimuth counts from north through east. Setting the location refreshes the cached sine and
// cosine of the latitude before it returns.
class Observer {
 public:
  // Latitude 50, longitude -20.
  Observer();
  // The place at longitude (degrees, west positive) and latitude (degrees), as given.
  Observer(double longitude, double latitude);

  double GetLatitude() const { return latitude; }    // degrees, north positive
  double GetLongitude() const { return longitude; }  // degrees, west positive
  // Stores the location as given (nothing limits it), longitude first.
  void SetLocation(double longitude, double latitude);

  // The cached values, for checks of the invariant.
  double GetCosLatitude() const { return cosLatitude; }
  double GetSinLatitude() const { return sinLatitude; }

  // Right ascension minus local sidereal time and declination to azimuth in [0, 2 pi) and
  // altitude. North stays north: the celestial pole and the northern meridian get azimuth 0, and
  // the zenith (a view centre) maps to hour angle 0 and declination = latitude.
  // Source: Meeus, Astronomical Algorithms, chapter 13 (13.5 and 13.6), with the hour angle
  // -raMinusLst and the azimuth counted from north.
  void EquatorialToHorizontal(double raMinusLst, double declination, double& azimuth,
                              double& altitude) const;
  // The same place as a horizontal direction, without the angles' inverse functions.
  Direction EquatorialToHorizontal(double raMinusLst, double declination) const {
    const double cosDeclination = std::cos(declination);
    const double sinDeclination = std::sin(declination);
    const double towardsMeridian = cosDeclination * std::cos(raMinusLst);
    return {cosLatitude * sinDeclination - sinLatitude * towardsMeridian,
            cosDeclination * std::sin(raMinusLst),
            cosLatitude * towardsMeridian + sinLatitude * sinDeclination};
  }
  // The turn of equatorial directions (x to right ascension 0, z to the pole) into horizontal
  // ones (x north, y east, z up) when the local sidereal angle is siderealAngle (radians).
  Rotation EquatorialToHorizontal(double siderealAngle) const {
    const double sinAngle = std::sin(siderealAngle);
    const double cosAngle = std::cos(siderealAngle);
    return {{-sinLatitude * cosAngle, -sinLatitude * sinAngle, cosLatitude},
            {-sinAngle, cosAngle, 0.0},
            {cosLatitude * cosAngle, cosLatitude * sinAngle, sinLatitude}};
  }
  // The same steps read the other way (the transform is its own inverse): raMinusLst in [0, 2 pi).
  void HorizontalToEquatorial(double azimuth, double altitude, double& raMinusLst,
                              double& declination) const;
  // Neither transform returns NaN for finite input.

 private:
  void Recompute();

  double cosLatitude;
  double sinLatitude;
  double latitude;   // degrees, north positive
  double longitude;  // degrees, west positive
};

}  // namespace halvane
