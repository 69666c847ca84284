// The ground layer: below the horizon the chart is earth, drawn over whatever the sky layers
// put there, with the horizon line and the points of the compass on it.
#pragma once

#include <vector>

#include "platform/surface.h"
#include "view/label_candidate.h"

namespace halvane {

class Projection;

// Fills everything below altitude 0 (the apparent horizon: the layers already place the sky
// as refraction shows it) with groundColor as one area, "ground" in traces, draws the horizon
// in horizonColor and adds N, NE, E, SE, S, SW, W and NW just under the horizon to names.
void DrawGround(const Projection& projection, Surface& surface, Color groundColor,
                Color horizonColor, Color directionColor, std::vector<LabelCandidate>& names);

}  // namespace halvane
