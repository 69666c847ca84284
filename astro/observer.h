// The observer: where the chart is drawn from (latitude, longitude), where it looks (view azimuth
// and altitude) and how the picture is turned, with the transforms between the equatorial, the
// horizontal and the view-plane frames.
#pragma once

namespace halvane {

// Angles in radians except latitude and longitude (degrees, longitude positive towards the west).
// Azimuth counts from north through east. Every operation that changes an angle refreshes the
// cached sines and cosines before it returns.
class Observer {
 public:
  // Latitude 50, longitude -20, looking at the zenith with azimuth 0 and no rotation.
  Observer();

  // Recomputes the cached sines and cosines from the angles.
  void Recompute();

  double GetLatitude() const { return latitude; }    // degrees, north positive
  double GetLongitude() const { return longitude; }  // degrees, west positive
  // Stores the location as given (nothing limits it), longitude first.
  void SetLocation(double longitude, double latitude);

  // The view centre: azimuth in (-2 pi, 2 pi) and altitude as a full angle in (-2 pi, 2 pi); an
  // altitude past pi/2 means the view has gone over the zenith.
  void GetViewDirection(double& azimuth, double& altitude) const;
  // Moves the view centre by the given steps; one turn is added before reducing, so results
  // normally lie in [0, 2 pi).
  void PanView(double dAzimuth, double dAltitude);
  // Aims the view; both angles are reduced by whole turns but a negative one stays negative.
  void SetViewDirection(double azimuth, double altitude);

  // Turns the picture by 15 degrees; the rotation is never reduced.
  void RotateClockwise();
  void RotateCounterClockwise();
  double GetRotation() const { return rotation; }
  // Turns the picture to this angle, radians clockwise, as given (not reduced).
  void SetRotation(double radians);

  // The cached values, for checks of the invariant.
  double GetCosLatitude() const { return cosLatitude; }
  double GetSinLatitude() const { return sinLatitude; }
  double GetCosRotation() const { return cosRotation; }
  double GetSinRotation() const { return sinRotation; }
  double GetSinViewAltitude() const { return sinViewAltitude; }
  double GetCosViewAltitude() const { return cosViewAltitude; }

  // Right ascension minus local sidereal time and declination to azimuth in [0, 2 pi) and
  // altitude. North stays north: the celestial pole and the northern meridian get azimuth 0, and
  // the zenith (a view centre) maps to hour angle 0 and declination = latitude.
  // Source: Meeus, Astronomical Algorithms, chapter 13 (13.5 and 13.6), with the hour angle
  // -raMinusLst and the azimuth counted from north.
  void EquatorialToHorizontal(double raMinusLst, double declination, double& azimuth,
                              double& altitude) const;
  // The same steps read the other way (the transform is its own inverse): raMinusLst in [0, 2 pi).
  void HorizontalToEquatorial(double azimuth, double altitude, double& raMinusLst,
                              double& declination) const;
  // Azimuthal equidistant projection centred on the view direction, then turned clockwise by the
  // rotation: x to the right, y upwards, radians of arc from the centre. Points within 0.001 rad
  // of the antipode land within 0.001 of the origin.
  void HorizontalToView(double azimuth, double altitude, double& x, double& y) const;
  // Inverse of HorizontalToView for points less than pi - 0.001 from the centre; the azimuth lies
  // in (-2 pi, 2 pi) and may be negative.
  void ViewToHorizontal(double x, double y, double& azimuth, double& altitude) const;
  // None of the four transforms returns NaN for finite input.

 private:
  double cosLatitude;
  double sinLatitude;
  double cosRotation;
  double sinRotation;
  double sinViewAltitude;
  double cosViewAltitude;
  double latitude;      // degrees, north positive
  double longitude;     // degrees, west positive
  double rotation;      // radians, clockwise on the screen
  double viewAzimuth;   // radians, 0 = north, through east
  double viewAltitude;  // radians, a full angle: past pi/2 is over the zenith
};

}  // namespace halvane
