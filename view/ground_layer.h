// The ground layer: below the horizon the chart is earth, drawn over whatever the sky layers
// put there, with the horizon line and the points of the compass on it.
#pragma once

namespace halvane {

class Surface;
struct FrameContext;

// With the layer on, fills everything below altitude 0 (the apparent horizon: the layers
// already place the sky as refraction shows it) as one area, "ground" in traces, draws the
// horizon and offers N, NE, E, SE, S, SW, W and NW just under the horizon as names.
void DrawGround(const FrameContext& frame, Surface& surface);

}  // namespace halvane
