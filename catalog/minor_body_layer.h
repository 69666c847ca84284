// The comets and asteroids of the frame's moment: a symbol each for those brighter than the
// chart's limit, a comet with a short tail away from the Sun, each named beside its place.
#pragma once

#include <vector>

#include "astro/minor_body.h"
#include "astro/sky_places.h"
#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;
struct LayerSet;

// Bodies (places indexed as bodies) no fainter than faintestMagnitude, where sky puts them;
// names in labelColor added to names, and only above the horizon when aboveHorizonOnly.
// Nothing when the layer is off.
void DrawMinorBodies(const Projection& projection, const LayerSet& layers, Surface& surface,
                     const MinorBodyList& bodies, const std::vector<MinorBodyPlace>& places,
                     const SkyPlaces& sky, double faintestMagnitude, bool aboveHorizonOnly,
                     Color labelColor, std::vector<LabelCandidate>& names);

// The faintest magnitude the layer draws at the projection's field: the stars' limit with the
// set's offset, and no fainter than skyFaintest (a bright sky's).
double MinorBodyLimit(const Projection& projection, const LayerSet& layers, double skyFaintest);

}  // namespace halvane
