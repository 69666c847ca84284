// The ecliptic layer: the Sun's yearly path as a dim dashed line, named once along it.
#pragma once

namespace halvane {

class Surface;
struct FrameContext;

// With the layer on, the ecliptic (of the date with precise positions, else of J2000) where the
// sky puts it, dashed, and "Ecliptic" offered at its visible point nearest the chart's centre
// (above the horizon with the ground shown).
void DrawEcliptic(const FrameContext& frame, Surface& surface);

}  // namespace halvane
