// The brightness of the sky at the zenith from the Sun's altitude, and the faintest star the
// naked eye sees against it: the daylight and twilight of the chart.
#pragma once

#include "astro/direction.h"

namespace halvane {

// Zenith sky brightness in nanolamberts, V band, for the Sun's altitude in degrees (any
// value): the dark night sky plus the lesser of the daylight and twilight terms, with no Moon.
// Source: B. E. Schaefer, "Astronomy and the limits of vision", Vistas in Astronomy 36, 311
// (1993), sections 3.3 and 3.4, in the form of B. E. Schaefer, "To the visual limits", Sky &
// Telescope 95 (5), 57 (1998), for the zenith (airmass 1, 90 degrees minus the Sun's altitude
// from the Sun), extinction 0.25 magnitude per airmass and the solar cycle left out.
double ZenithSkyBrightness(double sunAltitudeDegrees);

// Faintest magnitude a point source shows to the naked eye against a sky of brightness
// nanolamberts (clamped to at least 1): m = -16.57 - 2.5 log10(c1 (1 + sqrt(c2 B))^2), with the
// night (rod) constants below 1500 nL and the day (cone) constants above.
// Source: B. E. Schaefer, "Telescopic limiting magnitudes", PASP 102, 212 (1990), equations 2
// and 3 (after Hecht 1947), without the observer's corrections.
double NakedEyeLimit(double brightnessNanolamberts);

// The luminance of the sky toward element relative to the zenith's, with the Sun toward sun
// (both horizontal unit vectors; an element below the horizon is taken at the horizon): brighter
// toward the Sun and toward the horizon. Twilight keeps the same shape with the Sun under the
// horizon.
// Source: CIE S 011/E:2003 (ISO 15469:2004), "Spatial distribution of daylight - CIE standard
// general sky", the gradation and indicatrix functions with the parameters of sky type 12, the
// CIE standard clear sky of low turbidity; also in R. Kittler, S. Darula, "The CIE general sky
// standard defining the luminance distributions", Proc. eSim 2002.
double RelativeSkyLuminance(const Direction& element, const Direction& sun);

// log10 of the same for one Sun and many elements, within about 1e-8 of a decade: the model's
// two functions of one cosine each are tabulated once, so that an element costs a square root
// and two table readings instead of an inverse cosine, two exponentials and a logarithm.
class SkyLuminance {
 public:
  explicit SkyLuminance(const Direction& sun);
  double Log10RelativeToward(const Direction& element) const;

 private:
  struct Curves;
  Direction sun;
  double log10Zenith;
  const Curves* curves;
};

}  // namespace halvane
