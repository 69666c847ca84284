// The deep-sky layer and what it keeps from frame to frame: the objects it drew, for taps,
// and at narrow fields their names, for the chart's label placement.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "astro/sky_places.h"
#include "catalog/sky_records.h"
#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;
struct LayerSet;

struct DeepSkyLayer {
  // Hundredths: objects fainter than this are lost in the sky's light, Messier or not.
  int32_t skyFaintest = INT32_MAX;
  std::vector<NumberedDeepSky> shown;  // drawn by the last frame
  // Offered by the last frame to the label placement, at 11.25 degrees or less ("M42 Orion
  // Nebula"); the frame gives them their colour.
  std::vector<LabelCandidate> names;
};

// Reads the objects that wide fields draw, when the layer is on; see PrepareStars.
void PrepareDeepSky(const LayerSet& layers);

// Every visible object of DeepSky.dat brighter than the zoom's limit (moved by the
// star-limit keys) and than the star layer's limit as the symbol of its kind, with the pen the
// frame selected. With the ground shown, objects below the horizon offer no name.
void DrawDeepSky(const Projection& projection, const LayerSet& layers, DeepSkyLayer& layer,
                 Surface& surface, const SkyPlaces& sky);

}  // namespace halvane
