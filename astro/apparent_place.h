// The sky of the date: catalog places (J2000) turned into apparent places of a moment, with the
// apparent sidereal time that goes with them.
#pragma once

namespace halvane {

// Prepared once per moment and place (a few tens of microseconds: the IAU 2006/2000A
// precession-nutation and the Earth's velocity), then cheap per point: one aberration step and
// one rotation.
class ApparentPlace {
 public:
  // For `jdUt` (Julian day, universal time), `jdTt` (the same moment in terrestrial time,
  // TerrestrialJulianDay) and the observer's `longitude`
  // (degrees, positive towards the west, as Observer). A non-finite input prepares the identity:
  // places unchanged and a sidereal angle of 0.
  // Sources: ERFA's eraPnm06a (bias, IAU 2006 precession, IAU 2000A nutation), eraEpv00 (the
  // Earth's barycentric velocity), eraAb (annual aberration), eraGst06a (apparent sidereal time).
  ApparentPlace(double jdUt, double jdTt, double longitude);

  // J2000 / ICRS right ascension and declination (radians; no proper motion, no parallax) to
  // the apparent place of the moment: true equator and equinox of date, with annual aberration.
  // Right ascension in [0, 2 pi), declination in [-pi/2, pi/2].
  void ToApparent(double rightAscension, double declination, double& apparentRightAscension,
                  double& apparentDeclination) const;

  // The inverse of ToApparent, to well under a milliarcsecond: for a tapped point.
  void FromApparent(double apparentRightAscension, double apparentDeclination,
                    double& rightAscension, double& declination) const;

  // The largest angle (radians) by which ToApparent moves any direction: the rotation's angle
  // plus the aberration.
  double LargestShift() const;

  // Local apparent sidereal time of the exact moment, radians in [0, 2 pi): the sidereal angle
  // to subtract from apparent right ascensions before Observer::EquatorialToHorizontal.
  double GetSiderealAngle() const { return siderealAngle; }

 private:
  double rotation[3][3];  // GCRS to the true equator and equinox of date
  double velocity[3];     // the Earth's barycentric velocity, in units of the speed of light
  double sunDistance;     // AU
  double inverseLorentz;  // sqrt(1 - v^2)
  double siderealAngle;   // radians
};

// Atmospheric refraction for a standard atmosphere (1010 hPa, 10 degrees C, dry, visual light):
// the amount in radians by which an object at airless `altitude` (radians) appears higher; 0 at
// and below -1 degree. Above 10 degrees it is ERFA's model A tan z + B tan^3 z (eraRefco); below,
// Saemundsson's formula (Meeus, Astronomical Algorithms, formula 16.4) scaled to meet it there.
double Refraction(double altitude);

}  // namespace halvane
