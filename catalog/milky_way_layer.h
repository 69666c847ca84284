// The Milky Way layer and what it keeps from frame to frame: the rings of MilkyWay.dat, read
// once for each file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/sky_places.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
struct LayerSet;

struct MilkyWayLayer {
  using Vector = std::array<double, 3>;
  struct Ring {
    uint8_t level = 1;                          // 1 faintest to 5 brightest
    std::vector<std::array<double, 2>> places;  // right ascension, declination (radians)
    std::vector<Vector> directions;             // the same as unit vectors
    // The same places in the plane about the band's pole (distance from it, turned by its
    // direction), where every ring is an ordinary closed curve.
    std::vector<std::array<double, 2>> aroundPole;
    // A cap that holds the whole ring: its centre and radius (radians).
    Vector centre{0.0, 0.0, 1.0};
    double radius = 0.0;
  };
  std::vector<Ring> rings;
  // The direction farthest from the band (either pole of it), which no level encloses, and
  // two axes across it.
  Vector pole{0.0, 0.0, 1.0};
  Vector axisX{1.0, 0.0, 0.0};
  Vector axisY{0.0, 1.0, 0.0};
  std::string loadedPath;  // the file rings came from; read again when the path changes
  bool usable = false;
};

// The five levels of MilkyWay.dat filled under everything else, each over the one before.
void DrawMilkyWay(const Projection& projection, const LayerSet& layers, MilkyWayLayer& layer,
                  Surface& surface, const SkyPlaces& sky);

}  // namespace halvane
