// Direction: a unit vector on the sky. Layers carry points as directions between the sky and
// the view plane, so that each point costs a few products instead of a chain of inverse
// trigonometric functions and the sines and cosines of their results.
#pragma once

#include <cmath>

namespace halvane {

// In the horizontal frame x points north, y east and z up; in the equatorial frame x points to
// right ascension 0, y to 6 hours and z to the north celestial pole.
struct Direction {
  double x = 0.0;
  double y = 0.0;
  double z = 1.0;
};

// The direction of a longitude (azimuth or right ascension) and latitude (altitude or
// declination), radians.
inline Direction DirectionOf(double longitude, double latitude) {
  const double c = std::cos(latitude);
  return {c * std::cos(longitude), c * std::sin(longitude), std::sin(latitude)};
}

inline double Dot(const Direction& a, const Direction& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A rotation, as the rows of its matrix.
struct Rotation {
  Direction x;
  Direction y;
  Direction z;

  Direction Apply(const Direction& d) const { return {Dot(x, d), Dot(y, d), Dot(z, d)}; }
  // The inverse rotation.
  Direction ApplyInverse(const Direction& d) const {
    return {x.x * d.x + y.x * d.y + z.x * d.z, x.y * d.x + y.y * d.y + z.y * d.z,
            x.z * d.x + y.z * d.y + z.z * d.z};
  }
};

// A position in a catalog: J2000 right ascension and declination (radians) with its direction.
struct CatalogPoint {
  double rightAscension = 0.0;
  double declination = 0.0;
  Direction direction;
};

inline CatalogPoint CatalogPointOf(double rightAscension, double declination) {
  return {rightAscension, declination, DirectionOf(rightAscension, declination)};
}

// The longitude (in (-pi, pi]) and latitude (radians) of a direction.
inline void AnglesOf(const Direction& d, double& longitude, double& latitude) {
  longitude = std::atan2(d.y, d.x);
  latitude = std::atan2(d.z, std::hypot(d.x, d.y));
}

}  // namespace halvane
