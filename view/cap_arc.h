// The part of a great-circle arc that lies in the visible cap, drawn as a polyline that
// follows the curve the arc makes on the chart.
#pragma once

#include "platform/surface.h"

namespace halvane {

class Projection;
struct VisibleCap;

// Draws the part of the shorter great-circle arc between two horizontal positions (radians)
// that lies in cap, split until every chord is within a quarter pixel of the arc's image.
// Nothing is drawn when the arc misses the cap, or when its ends coincide or are antipodes
// (no single arc joins them).
void DrawArcInCap(const Projection& view, const VisibleCap& cap, double azimuth1, double altitude1,
                  double azimuth2, double altitude2, Surface& surface);

}  // namespace halvane
