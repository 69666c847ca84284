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
  struct Ring {
    uint8_t level = 1;                          // 1 faintest to 5 brightest
    std::vector<std::array<double, 2>> places;  // right ascension, declination (radians)
  };
  std::vector<Ring> rings;
  std::string loadedPath;  // the file rings came from; read again when the path changes
  bool usable = false;
};

// The five levels of MilkyWay.dat filled under everything else, each over the one before.
void DrawMilkyWay(const Projection& projection, const LayerSet& layers, MilkyWayLayer& layer,
                  Surface& surface, const SkyPlaces& sky);

}  // namespace halvane
