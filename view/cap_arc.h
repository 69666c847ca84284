// The part of a great-circle arc that lies in the visible cap, drawn as a polyline that
// follows the curve the arc makes on the chart.
#pragma once

#include "astro/direction.h"
#include "platform/surface.h"

namespace halvane {

class Projection;
struct VisibleCap;

// Draws the part of the shorter great-circle arc between two horizontal directions that lies
// in cap, split until every chord is within a quarter pixel of the arc's image.
// Nothing is drawn when the arc misses the cap, or when its ends coincide or are antipodes
// (no single arc joins them).
void DrawArcInCap(const Projection& view, const VisibleCap& cap, const Direction& a,
                  const Direction& b, Surface& surface);

}  // namespace halvane
