// The deep-sky layer and what it keeps from frame to frame: the objects it drew, for taps,
// and at narrow fields their names, for the chart's label placement.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/sky_places.h"
#include "catalog/sky_records.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
struct LayerSet;

// A name that the label placement may write beside its object.
struct DeepSkyLabel {
  Point anchor;       // the object's pixel
  int32_t keepOut;    // pixels around the anchor that the symbol covers
  std::string text;   // UTF-8, "M42 Orion Nebula"
  int16_t magnitude;  // hundredths; NO_MAGNITUDE when unknown (placed last)
};

struct DeepSkyLayer {
  std::vector<DeepSkyRecord> shown;  // drawn by the last frame
  std::vector<DeepSkyLabel> names;   // offered by the last frame, at 11.25 degrees or less
};

// Every visible object of DeepSky.dat brighter than the zoom's limit (moved by the
// star-limit keys; the Messier objects always) as the symbol of its kind, with the pen the
// frame selected.
void DrawDeepSky(const Projection& projection, const LayerSet& layers, DeepSkyLayer& layer,
                 Surface& surface, const SkyPlaces& sky);

}  // namespace halvane
