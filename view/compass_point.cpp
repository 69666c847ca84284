// The sixteen points, one source text each for the translator.
#include "view/compass_point.h"

#include <cmath>

#include "platform/translate.h"

namespace halvane {

std::string CompassPoint(double azimuthDegrees) {
  const double sixteenths = std::floor(azimuthDegrees / 22.5 + 0.5);
  const int point = static_cast<int>(sixteenths - 16.0 * std::floor(sixteenths / 16.0));
  // The disambiguation keeps "S" apart from the dialog's seconds, "E" from other words.
  switch (point) {
    case 0: return Words::Tr("N", "compass point");
    case 1: return Words::Tr("NNE", "compass point");
    case 2: return Words::Tr("NE", "compass point");
    case 3: return Words::Tr("ENE", "compass point");
    case 4: return Words::Tr("E", "compass point");
    case 5: return Words::Tr("ESE", "compass point");
    case 6: return Words::Tr("SE", "compass point");
    case 7: return Words::Tr("SSE", "compass point");
    case 8: return Words::Tr("S", "compass point");
    case 9: return Words::Tr("SSW", "compass point");
    case 10: return Words::Tr("SW", "compass point");
    case 11: return Words::Tr("WSW", "compass point");
    case 12: return Words::Tr("W", "compass point");
    case 13: return Words::Tr("WNW", "compass point");
    case 14: return Words::Tr("NW", "compass point");
    default: return Words::Tr("NNW", "compass point");
  }
}

}  // namespace halvane
