// Samples of the bodies' apparent places and a three-point interpolation between them.
#include "astro/sky_track.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/delta_t.h"

namespace halvane {
namespace {

// The Earth's turn against the equinox per day of universal time, radians (IERS 2003 ratio
// of sidereal to solar rate, 1.00273781191135448).
constexpr double SIDEREAL_RATE = 2 * PI * 1.00273781191135448;

// value, unwrapped to lie within pi of reference.
double Near(double value, double reference) {
  return reference + WrapToHalfTurn(value - reference);
}

}  // namespace

SkyTrack::SkyTrack(double jdStart, double jdEnd, double longitude, double latitudeDegrees,
                   double sampleStep)
    : start(jdStart),
      end(jdEnd),
      step(sampleStep),
      latitude(latitudeDegrees * DEG_TO_RAD),
      middle(0.5 * (jdStart + jdEnd), TerrestrialJulianDay(0.5 * (jdStart + jdEnd)), longitude) {
  const int count = static_cast<int>(std::ceil((jdEnd - jdStart) / step)) + 3;
  samples.resize(std::max(count, 3));
  for (size_t i = 0; i < samples.size(); ++i) {
    const double jd = start + (static_cast<double>(i) - 1.0) * step;
    Sample& sample = samples[i];
    sample.bodies = ComputeSolarSystem(jd, TerrestrialJulianDay(jd), longitude, latitudeDegrees);
    for (int b = 0; b < BODY_COUNT; ++b) {
      middle.ToApparent(sample.bodies[b].rightAscension, sample.bodies[b].declination,
                        sample.rightAscension[b], sample.declination[b]);
    }
  }
}

size_t SkyTrack::Weights(double jdUt, std::array<double, 3>& weights) const {
  // Sample k stands at start + (k - 1) step; centre on the nearest one.
  const double position = (jdUt - start) / step + 1.0;
  const double nearest =
      std::clamp(std::round(position), 1.0, static_cast<double>(samples.size() - 2));
  const double u = position - nearest;  // -0.5 .. 0.5 inside the span
  weights = {0.5 * u * (u - 1.0), 1.0 - u * u, 0.5 * u * (u + 1.0)};
  return static_cast<size_t>(nearest) - 1;
}

double SkyTrack::SiderealAngle(double jdUt) const {
  return middle.GetSiderealAngle() + SIDEREAL_RATE * (jdUt - 0.5 * (start + end));
}

HorizonPlace SkyTrack::BodyPlace(Body body, double jdUt, bool upperLimb) const {
  const int b = static_cast<int>(body);
  std::array<double, 3> w;
  const size_t k = Weights(jdUt, w);
  const double reference = samples[k + 1].rightAscension[b];
  double ra = 0.0, dec = 0.0, radius = 0.0;
  for (size_t j = 0; j < 3; ++j) {
    const Sample& s = samples[k + j];
    ra += w[j] * Near(s.rightAscension[b], reference);
    dec += w[j] * s.declination[b];
    radius += w[j] * 0.5 * s.bodies[b].diameter;
  }
  HorizonPlace place = HorizonPlaceOf(ra, dec, SiderealAngle(jdUt), latitude);
  if (upperLimb) place.altitude += radius;
  return place;
}

HorizonPlace SkyTrack::StarPlace(double rightAscension, double declination, double jdUt) const {
  double ra, dec;
  middle.ToApparent(rightAscension, declination, ra, dec);
  return HorizonPlaceOf(ra, dec, SiderealAngle(jdUt), latitude);
}

const SolarSystemPlaces& SkyTrack::BodiesNear(double jdUt) const {
  std::array<double, 3> w;
  return samples[Weights(jdUt, w) + 1].bodies;
}

HorizonEvents BodyEvents(const SkyTrack& track, Body body) {
  const bool upperLimb = body == Body::SUN || body == Body::MOON;
  return FindHorizonEvents([&](double jd) { return track.BodyPlace(body, jd, upperLimb); },
                           track.GetStart(), track.GetEnd(), STANDARD_HORIZON);
}

HorizonEvents StarEvents(const SkyTrack& track, double rightAscension, double declination) {
  return FindHorizonEvents(
      [&](double jd) { return track.StarPlace(rightAscension, declination, jd); }, track.GetStart(),
      track.GetEnd(), STANDARD_HORIZON);
}

HorizonEvents TwilightEvents(const SkyTrack& track, double depth) {
  return FindHorizonEvents([&](double jd) { return track.BodyPlace(Body::SUN, jd, false); },
                           track.GetStart(), track.GetEnd(), depth);
}

}  // namespace halvane
