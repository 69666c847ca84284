// The two coordinate grids as chart layers: each draws when its switch in the layer set is
// on, with the pen and text colour the frame has selected.
#pragma once

namespace halvane {

class Projection;
class Surface;
struct LayerSet;

// Altitude and azimuth, fixed to the horizon.
void DrawHorizontalGrid(const Projection& projection, const LayerSet& layers, Surface& surface);
// Declination and right ascension, fixed to the sky; siderealAngle in radians.
void DrawEquatorialGrid(const Projection& projection, const LayerSet& layers, Surface& surface,
                        double siderealAngle);

}  // namespace halvane
