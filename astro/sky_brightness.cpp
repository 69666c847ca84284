// Sky brightness and the naked eye's limit; the constants are those of the cited papers.
#include "astro/sky_brightness.h"

#include <algorithm>
#include <cmath>

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

double Gradation(double cosZenith) {
  return 1.0 + GRADATION_A * std::exp(GRADATION_B / std::max(cosZenith, LOWEST_COSINE));
}

double Indicatrix(double cosFromSun) {
  const double angle = std::acos(std::clamp(cosFromSun, -1.0, 1.0));
  return 1.0 + INDICATRIX_C * (std::exp(INDICATRIX_D * angle) - std::exp(INDICATRIX_D * HALF_PI)) +
         INDICATRIX_E * cosFromSun * cosFromSun;
}

}  // namespace

SkyLuminance::SkyLuminance(const Direction& sun)
    : sun(sun), zenith(Indicatrix(sun.z) * Gradation(1.0)) {}

double SkyLuminance::RelativeToward(const Direction& element) const {
  return Indicatrix(Dot(element, sun)) * Gradation(element.z) / zenith;
}

double RelativeSkyLuminance(const Direction& element, const Direction& sun) {
  return SkyLuminance(sun).RelativeToward(element);
}

}  // namespace halvane
