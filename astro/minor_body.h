// Comets and asteroids: their osculating elements as the Minor Planet Center publishes them,
// where two-body motion puts them, and how bright they look.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace halvane {

enum class MinorBodyKind { Asteroid, Comet };

// One body's heliocentric two-body orbit on the ecliptic and equinox of J2000. Every orbit,
// elliptic or not, is kept by its perihelion: an asteroid's mean anomaly at the epoch is turned
// into its time of perihelion.
struct MinorBodyElements {
  MinorBodyKind kind = MinorBodyKind::Asteroid;
  int64_t number = 0;               // asteroids: the catalogue number, 0 when unnumbered
  std::string designation;          // "1", "2007 TA418", "12P", "C/2023 A3"
  std::string name;                 // as the list writes it: "(1) Ceres", "12P/Pons-Brooks"
  std::string label;                // the chart's short name: "Ceres", "Pons-Brooks", "C/2023 A3"
  double perihelionTime = 0.0;      // Julian day, TT
  double perihelionDistance = 0.0;  // q, AU
  double eccentricity = 0.0;
  double argumentOfPerihelion = 0.0;  // radians
  double ascendingNode = 0.0;         // radians
  double inclination = 0.0;           // radians
  double epoch = 0.0;                 // Julian day (TT) the elements osculate at; 0 if unknown
  // Asteroids: H and G of the H, G system. Comets: the total magnitude's g and k (see
  // MinorBodyMagnitude).
  double absoluteMagnitude = 0.0;
  double slope = 0.0;
};

using MinorBodyList = std::vector<MinorBodyElements>;
using SharedMinorBodies = std::shared_ptr<const MinorBodyList>;

// Heliocentric position (AU) and velocity (AU per day) on the mean equator and equinox of J2000.
struct OrbitState {
  std::array<double, 3> position;
  std::array<double, 3> velocity;
};

// Two-body motion about the Sun (Gauss' constant, the body's mass ignored) at jdTt. Elliptic
// orbits up to e = 0.98 solve Kepler's equation; the rest, near-parabolic, parabolic and
// hyperbolic, Kepler's equation in universal variables with Stumpff's functions (Danby,
// Fundamentals of Celestial Mechanics, 2nd ed., 6.9). The ecliptic to the equator: the same
// rotation as the planets'. Finite for any finite elements with q > 0.
OrbitState MinorBodyState(const MinorBodyElements& elements, double jdTt);

// One body as the observer sees it, the fields of a solar-system BodyPlace where they apply.
struct MinorBodyPlace {
  bool available = false;
  double rightAscension = 0.0;  // topocentric astrometric J2000, radians, as the planets'
  double declination = 0.0;
  double distance = 0.0;     // Delta, from the observer, AU
  double sunDistance = 0.0;  // r, AU
  double phaseAngle = 0.0;   // Sun-body-observer, radians
  double magnitude = 0.0;    // visual
  double tailAngle = 0.0;    // position angle of the way from the Sun, radians from north
                             // through east
};

// The place seen from `observer` (heliocentric, equatorial J2000, AU) at jdTt, the light time
// iterated as the planets' is.
MinorBodyPlace MinorBodyPlaceFrom(const MinorBodyElements& elements,
                                  const std::array<double, 3>& observer, double jdTt);

// Every body for an observer at `longitude` (degrees, positive west) and `latitude` at jdUt
// (universal time) and jdTt, with the Earth and the observer's place of the planets.
std::vector<MinorBodyPlace> ComputeMinorBodies(const MinorBodyList& bodies, double jdUt,
                                               double jdTt, double longitude, double latitude);

// Visual magnitude at r and Delta (AU) and phase angle (radians). Asteroids: Bowell et al.,
// "Application of photometric models to asteroids", Asteroids II (1989), the H, G system.
// Comets: m = g + 5 log10 Delta + 2.5 k log10 r, the Minor Planet Center's convention, whose
// "K" in CometEls.txt is this k (so the common k = 4.0 makes 10 log10 r); no phase term.
double MinorBodyMagnitude(const MinorBodyElements& elements, double sunDistance, double distance,
                          double phaseAngle);

}  // namespace halvane
