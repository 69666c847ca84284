// Names of the solar-system bodies.
#include "astro/solar_body.h"

namespace halvane {

const char* BodyName(Body body) {
  switch (body) {
    case Body::SUN: return "Sun";
    case Body::MOON: return "Moon";
    case Body::MERCURY: return "Mercury";
    case Body::VENUS: return "Venus";
    case Body::MARS: return "Mars";
    case Body::JUPITER: return "Jupiter";
    case Body::SATURN: return "Saturn";
    case Body::URANUS: return "Uranus";
    case Body::NEPTUNE: return "Neptune";
    case Body::PLUTO: return "Pluto";
  }
  return "";
}

}  // namespace halvane
