// The solar-system layer: the Sun, the Moon and the planets of the frame's moment drawn over
// the stars, each named beside its place.
#pragma once

namespace halvane {

class Surface;
struct FrameContext;

// With the layer on, every available body of the moment where the sky puts it, farthest first:
// the planets as discs with a rim sized by magnitude like the stars, the Sun and the Moon at
// least as large as their true apparent size, the Moon with its phase. Planets lost in a bright
// sky are left out; names are offered above the horizon with the ground shown, and for bodies
// fainter than the stars' limit only at 11.25 degrees and narrower.
void DrawSolarSystem(const FrameContext& frame, Surface& surface);

}  // namespace halvane
