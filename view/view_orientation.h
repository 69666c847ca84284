// Where the chart looks and how it is turned: the view direction in the horizontal frame, the
// rotation of the picture, and the transforms between the horizontal frame and the view plane.
#pragma once

#include <cmath>

#include "astro/direction.h"

namespace halvane {

// The chart's azimuthal equidistant projection: a point of the unit sphere whose offset across
// the view plane has length sinDistance, and whose distance from the view centre has cosine
// `along`, lands at this scale times that offset (the distance over its sine). Within 0.001 of
// the centre, or of the point opposite, the scale is 1.
constexpr double SMALL_VIEW_DISTANCE = 0.001;  // radians
inline double EquidistantScale(double sinDistance, double along) {
  return sinDistance < SMALL_VIEW_DISTANCE ? 1.0 : std::atan2(sinDistance, along) / sinDistance;
}

// Angles in radians. Azimuth counts from north through east. Every operation that changes an
// angle refreshes the cached sines and cosines before it returns.
class ViewOrientation {
 public:
  // Looking at the zenith with azimuth 0 and no rotation.
  ViewOrientation();

  // The view centre: azimuth in (-2 pi, 2 pi) and altitude as a full angle in (-2 pi, 2 pi); an
  // altitude past pi/2 means the view has gone over the zenith.
  void GetViewDirection(double& azimuth, double& altitude) const;
  // Moves the view centre by the given steps; one turn is added before reducing, so results
  // normally lie in [0, 2 pi).
  void PanView(double dAzimuth, double dAltitude);
  // Aims the view; both angles are reduced by whole turns but a negative one stays negative.
  void SetViewDirection(double azimuth, double altitude);
  // True past the zenith or the nadir, where the picture is upside down.
  bool IsOverPole() const { return cosViewAltitude < 0.0; }

  // Turns the picture by 15 degrees; the rotation is never reduced.
  void RotateClockwise();
  void RotateCounterClockwise();
  double GetRotation() const { return rotation; }
  // Turns the picture to this angle, radians clockwise, as given (not reduced).
  void SetRotation(double radians);

  // The cached values, for checks of the invariant.
  double GetCosRotation() const { return cosRotation; }
  double GetSinRotation() const { return sinRotation; }
  double GetSinViewAltitude() const { return sinViewAltitude; }
  double GetCosViewAltitude() const { return cosViewAltitude; }

  // Azimuthal equidistant projection centred on the view direction, then turned clockwise by the
  // rotation: x to the right, y upwards, radians of arc from the centre. Points within 0.001 rad
  // of the antipode land within 0.001 of the origin. Returns the cosine of the point's distance
  // from the view centre.
  double HorizontalToView(const Direction& horizontal, double& x, double& y) const {
    const double across = Dot(toRight, horizontal);
    const double upward = Dot(toUp, horizontal);
    const double along = Dot(toCentre, horizontal);
    const double sinDistance = std::sqrt(across * across + upward * upward);
    const double k = EquidistantScale(sinDistance, along);
    x = k * across;
    y = k * upward;
    return along;
  }
  double HorizontalToView(double azimuth, double altitude, double& x, double& y) const {
    return HorizontalToView(DirectionOf(azimuth, altitude), x, y);
  }
  // Inverse of HorizontalToView for points less than pi - 0.001 from the centre; the azimuth lies
  // in (-2 pi, 2 pi) and may be negative.
  void ViewToHorizontal(double x, double y, double& azimuth, double& altitude) const;
  // The same as a unit vector, without the angles: one sine and cosine instead of four and the
  // inverse functions, for callers that only need the direction.
  Direction ViewToDirection(double x, double y) const {
    double c = std::sqrt(x * x + y * y);
    if (std::isinf(c)) c = std::hypot(x, y);
    const double m = c > 0.0 ? std::sin(c) / c : 1.0;
    const double cosC = std::cos(c);
    return {cosC * toCentre.x + m * (x * toRight.x + y * toUp.x),
            cosC * toCentre.y + m * (x * toRight.y + y * toUp.y),
            cosC * toCentre.z + m * (x * toRight.z + y * toUp.z)};
  }
  // Neither transform returns NaN for finite input.

 private:
  void Recompute();

  // The view's axes in the horizontal frame: towards the picture's right, its top, and the
  // view centre.
  Direction toRight;
  Direction toUp;
  Direction toCentre;
  double cosRotation = 1.0;
  double sinRotation = 0.0;
  double sinViewAltitude = 1.0;
  double cosViewAltitude = 0.0;
  double rotation = 0.0;      // radians, clockwise on the screen
  double viewAzimuth = 0.0;   // radians, 0 = north, through east
  double viewAltitude = 0.0;  // radians, a full angle: past pi/2 is over the zenith
};

}  // namespace halvane
