// Sky brightness and the naked eye's limit; the constants are those of the cited papers.
#include "astro/sky_brightness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "astro/angles.h"

namespace halvane {

namespace {

constexpr double EXTINCTION = 0.25;         // magnitudes per airmass, V, a clear low site
constexpr double SUN_MAGNITUDE = -26.74;    // V
constexpr double BAND_ZERO_POINT = -11.05;  // V: magnitude of the unit of brightness
constexpr double NIGHT_SKY = 1.0e-13;       // V, dark sky at the zenith, Schaefer's units
constexpr double TO_NANOLAMBERTS = 1.0 / 1.11e-15;
constexpr double DAY_THRESHOLD = 1500.0;  // nL: cones above, rods below

double Pow10(double x) { return std::pow(10.0, x); }

// Relative airmass at zenith distance z (radians), finite down to and below the horizon.
double Airmass(double z) {
  const double c = std::cos(z);
  return 1.0 / std::max(c + 0.025 * std::exp(-11.0 * c), 0.025);
}

}  // namespace

double ZenithSkyBrightness(double sunAltitudeDegrees) {
  const double h = std::clamp(sunAltitudeDegrees, -90.0, 90.0);
  const double fromSun = std::max(90.0 - h, 0.5);  // degrees from the Sun to the zenith
  const double zenithAbsorbed = 1.0 - Pow10(-0.4 * EXTINCTION);
  const double night = NIGHT_SKY * Pow10(-0.4 * EXTINCTION);

  // Sunlight scattered by the air over the observer (Rayleigh, aerosols and the aureole).
  const double sunTransmitted = Pow10(-0.4 * EXTINCTION * Airmass((90.0 - h) * DEG_TO_RAD));
  const double cosFromSun = std::cos(fromSun * DEG_TO_RAD);
  const double scattering = 6.2e7 / (fromSun * fromSun) + Pow10(6.15 - fromSun / 40.0) +
                            Pow10(5.36) * (1.06 + cosFromSun * cosFromSun);
  const double day = (440000.0 * (1.0 - sunTransmitted) + scattering * sunTransmitted) *
                     Pow10(-0.4 * (SUN_MAGNITUDE - BAND_ZERO_POINT + 43.27)) * zenithAbsorbed;

  // Twilight falls about one magnitude per degree of the Sun's depression.
  const double twilight = Pow10(-0.4 * (SUN_MAGNITUDE - BAND_ZERO_POINT + 32.5 - h)) *
                          (100.0 / fromSun) * zenithAbsorbed;

  return (night + std::min(day, twilight)) * TO_NANOLAMBERTS;
}

double NakedEyeLimit(double brightnessNanolamberts) {
  const double b = std::max(brightnessNanolamberts, 1.0);
  const bool day = b >= DAY_THRESHOLD;
  const double c1 = day ? Pow10(-8.35) : Pow10(-9.80);
  const double c2 = day ? Pow10(-5.90) : Pow10(-1.90);
  const double root = 1.0 + std::sqrt(c2 * b);
  return -16.57 - 2.5 * std::log10(c1 * root * root);
}

namespace {

// CIE sky type 12: gradation a, b and indicatrix c, d, e.
constexpr double GRADATION_A = -1.0;
constexpr double GRADATION_B = -0.32;
constexpr double INDICATRIX_C = 10.0;
constexpr double INDICATRIX_D = -3.0;
constexpr double INDICATRIX_E = 0.45;
constexpr double LOWEST_COSINE = 0.01;  // the horizon: the gradation's exponent stays finite

double Gradation(double cosZenith) { return 1.0 + GRADATION_A * std::exp(GRADATION_B / cosZenith); }

// angle from the Sun, radians, and its cosine
double Indicatrix(double angle, double cosAngle) {
  return 1.0 + INDICATRIX_C * (std::exp(INDICATRIX_D * angle) - std::exp(INDICATRIX_D * HALF_PI)) +
         INDICATRIX_E * cosAngle * cosAngle;
}

double Indicatrix(double cosFromSun) {
  return Indicatrix(std::acos(std::clamp(cosFromSun, -1.0, 1.0)), cosFromSun);
}

// A smooth function on [0, 1] sampled at even steps, one more sample past either end, and
// read back by cubic (Catmull-Rom) interpolation.
class Curve {
 public:
  template <typename Function>
  explicit Curve(Function f) {
    for (size_t k = 0; k < samples.size(); ++k) {
      samples[k] = f((static_cast<double>(k) - 1.0) / STEPS);
    }
  }

  double At(double x) const {
    const double u = x > 0.0 ? std::min(x, 1.0) * STEPS : 0.0;  // NaN too: never past the ends
    const int32_t i = std::min(static_cast<int32_t>(u), STEPS - 1);
    const double f = u - i;
    const double* p = &samples[static_cast<size_t>(i)];
    return p[1] + 0.5 * f *
                      (p[2] - p[0] +
                       f * (2.0 * p[0] - 5.0 * p[1] + 4.0 * p[2] - p[3] +
                            f * (3.0 * (p[1] - p[2]) + p[3] - p[0])));
  }

 private:
  // The worst error, in the gradation near the horizon, is about 1e-8 of a decade.
  static constexpr int32_t STEPS = 1024;
  std::array<double, STEPS + 3> samples{};
};

// The half-angle's chord t = sqrt(1 -+ cos) keeps the indicatrix smooth up to the Sun and its
// opposite point, where it is steep in the cosine.
double AngleNearSun(double t) { return 2.0 * std::asin(t / std::sqrt(2.0)); }
double AngleAwayFromSun(double t) { return PI - AngleNearSun(t); }
double Log10Indicatrix(double angle) { return std::log10(Indicatrix(angle, std::cos(angle))); }

}  // namespace

// log10 of the indicatrix toward the Sun's half of the sky and the other, and of the gradation
// from the horizon to the zenith.
struct SkyLuminance::Curves {
  Curve nearSun{[](double t) { return Log10Indicatrix(AngleNearSun(t)); }};
  Curve awayFromSun{[](double t) { return Log10Indicatrix(AngleAwayFromSun(t)); }};
  Curve gradation{
      [](double x) { return std::log10(Gradation(LOWEST_COSINE + (1.0 - LOWEST_COSINE) * x)); }};
};

SkyLuminance::SkyLuminance(const Direction& sun)
    : sun(sun), log10Zenith(std::log10(Indicatrix(sun.z) * Gradation(1.0))) {
  static const Curves built;
  curves = &built;
}

double SkyLuminance::Log10RelativeToward(const Direction& element) const {
  const double c = std::clamp(Dot(element, sun), -1.0, 1.0);
  const double indicatrix = c >= 0.0 ? curves->nearSun.At(std::sqrt(1.0 - c))
                                     : curves->awayFromSun.At(std::sqrt(1.0 + c));
  const double gradation =
      curves->gradation.At((element.z - LOWEST_COSINE) / (1.0 - LOWEST_COSINE));
  return indicatrix + gradation - log10Zenith;
}

double RelativeSkyLuminance(const Direction& element, const Direction& sun) {
  return Indicatrix(Dot(element, sun)) * Gradation(std::max(element.z, LOWEST_COSINE)) /
         (Indicatrix(sun.z) * Gradation(1.0));
}

}  // namespace halvane
