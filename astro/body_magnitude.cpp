// Magnitude formulas: 5 log10(r Delta) plus a phase law per body.
#include "astro/body_magnitude.h"

#include <cmath>

#include "astro/angles.h"

namespace halvane {

double VisualMagnitude(Body body, double sunDistance, double distance, double phaseAngle,
                       double ringTilt, double ringLongitudeDifference) {
  const double i = phaseAngle * RAD_TO_DEG;
  const double distances = 5.0 * std::log10(sunDistance * distance);
  switch (body) {
    case Body::SUN: return -26.74 + 5.0 * std::log10(distance);
    case Body::MOON: return 0.23 + distances + 0.026 * i + 4.0e-9 * i * i * i * i;
    case Body::MERCURY: return -0.42 + distances + ((0.000002 * i - 0.000273) * i + 0.0380) * i;
    case Body::VENUS: return -4.40 + distances + ((-0.00000065 * i + 0.000239) * i + 0.0009) * i;
    case Body::MARS: return -1.52 + distances + 0.016 * i;
    case Body::JUPITER: return -9.40 + distances + 0.005 * i;
    case Body::SATURN: {
      const double sinB = std::sin(std::fabs(ringTilt));
      return -8.88 + distances + 0.044 * std::fabs(ringLongitudeDifference * RAD_TO_DEG) -
             2.60 * sinB + 1.25 * sinB * sinB;
    }
    case Body::URANUS: return -7.19 + distances;
    case Body::NEPTUNE: return -6.87 + distances;
    case Body::PLUTO: return -1.00 + distances;
  }
  return 0.0;
}

}  // namespace halvane
