// The SGP4 / SDP4 orbit model of General Perturbations elements: a satellite's position and
// velocity in the true-equator, mean-equinox (TEME) frame of date.
#pragma once

#include "astro/orbital_elements.h"
#include "astro/sgp4_terms.h"

namespace halvane {

// The model's own error codes; 5 (epoch elements sub-orbital) is not an error in the revised
// model and is never returned.
enum class Sgp4Error {
  None = 0,
  MeanEccentricity = 1,       // mean eccentricity out of [0, 1) or mean semimajor axis < 0.95
  MeanMotion = 2,             // mean motion not positive
  PerturbedEccentricity = 3,  // perturbed eccentricity out of [0, 1]
  SemiLatusRectum = 4,        // semi-latus rectum negative
  Decayed = 6                 // the orbit has decayed (radius below the Earth's)
};

struct TemeState {
  double position[3];  // km, TEME
  double velocity[3];  // km/s, TEME
};

// One satellite's model, initialised once from its elements (WGS-72 constants, improved
// mode), then propagated to any time.
// Source: Hoots and Roehrich, Spacetrack Report No. 3 (1980), as revised by Vallado,
// Crawford, Hujsak and Kelso, "Revisiting Spacetrack Report #3", AIAA 2006-6753.
class Sgp4 {
 public:
  explicit Sgp4(const OrbitalElements& elements);

  // None when the elements can be propagated; otherwise every Propagate returns this error.
  Sgp4Error InitError() const;

  // The state minutesSinceEpoch minutes after the elements' epoch (negative before it). On an
  // error the state is left as it was. A time more than 10^8 minutes (190 years) from the
  // epoch, or one where the mean motion has lost all meaning (the drag series run past its
  // end), gives MeanMotion. Deep-space sets with a resonance integrate in 720-minute steps,
  // going on from the previous call's time when this one lies beyond it: a run of increasing
  // times costs little, a single time far from the epoch grows with its distance. Not to be
  // called on one object from two threads at once.
  Sgp4Error Propagate(double minutesSinceEpoch, TemeState& state) const;

  // The elements' epoch as a UTC Julian day (whole plus fraction).
  double EpochJulianDay() const;

  // Minutes from the epoch to a UTC Julian day, computed from the whole and fractional parts
  // separately to keep the precision of the fraction.
  double MinutesSince(double julianDayUtc) const;

 private:
  Sgp4Error Step(double t, TemeState& state) const;

  double epochWhole_;
  double epochFraction_;
  Sgp4MeanElements mean_{};
  NearEarthTerms near_{};
  DeepSpaceTerms deep_{};
  bool deepSpace_ = false;
  // Kept between calls so that a run of times goes on integrating from the last one.
  mutable ResonanceIntegrator integrator_;
  Sgp4Error initError_ = Sgp4Error::None;
};

}  // namespace halvane
