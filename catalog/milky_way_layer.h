// The Milky Way layer and what it keeps from frame to frame: the rings of MilkyWay.dat, read
// once for each file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/direction.h"
#include "astro/sky_places.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
struct LayerSet;

struct MilkyWayLayer {
  struct Ring {
    uint8_t level = 1;  // 1 faintest to 5 brightest
    size_t begin = 0;   // its vertices: directions from begin to end
    size_t end = 0;
    // A cap that holds the whole ring: its centre and radius (radians).
    Direction centre{0.0, 0.0, 1.0};
    double radius = 0.0;
  };
  std::vector<Ring> rings;
  // Every ring's vertices, ring after ring, as unit vectors of the catalog's frame: in one
  // block, since each page a load first touches costs a fault.
  std::vector<Direction> directions;
  // The direction farthest from the band (either pole of it), which no level encloses, and
  // two axes across it: in the plane about it (distance from it, turned by its direction)
  // every ring is an ordinary closed curve.
  Direction pole{0.0, 0.0, 1.0};
  Direction axisX{1.0, 0.0, 0.0};
  Direction axisY{0.0, 1.0, 0.0};
  std::string loadedPath;  // the file rings came from; read again when the path changes
  bool usable = false;
};

// Reads the rings of the layer's file when the layer is on and has not read them yet.
void PrepareMilkyWay(const LayerSet& layers, MilkyWayLayer& layer);

// The five levels of MilkyWay.dat filled under everything else, each over the one before.
void DrawMilkyWay(const Projection& projection, const LayerSet& layers, MilkyWayLayer& layer,
                  Surface& surface, const SkyPlaces& sky);

}  // namespace halvane
