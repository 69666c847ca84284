// The Milky Way layer and what the catalog store keeps of its file: the rings of MilkyWay.dat,
// read again when the file changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "astro/direction.h"

namespace halvane {

class CatalogStore;
class Surface;
struct FrameContext;
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
  bool usable = false;
};

// Reads the rings of the layer's file when the layer is on and has not read them yet.
void PrepareMilkyWay(const LayerSet& layers, CatalogStore& catalogs);
// With the layer on and the sky dark, the five levels of MilkyWay.dat filled under everything
// else, each over the one before.
void DrawMilkyWay(const FrameContext& frame, Surface& surface);

}  // namespace halvane
