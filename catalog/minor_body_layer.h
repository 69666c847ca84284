// The comets and asteroids of the frame's moment: a symbol each for those brighter than the
// chart's limit, a comet with a short tail away from the Sun, each named beside its place.
#pragma once

namespace halvane {

class Projection;
class Surface;
struct FrameContext;
struct LayerSet;

// With the layer on, the moment's bodies no fainter than MinorBodyLimit where the sky puts
// them; names offered only above the horizon with the ground shown.
void DrawMinorBodies(const FrameContext& frame, Surface& surface);

// The faintest magnitude the layer draws at the projection's field: the stars' limit with the
// set's offset, and no fainter than skyFaintest (a bright sky's).
double MinorBodyLimit(const Projection& projection, const LayerSet& layers, double skyFaintest);

}  // namespace halvane
