// The two coordinate grids as chart layers: each draws when its switch in the layer set is
// on, in the grid's pen and text colour, which the frame selects before them.
#pragma once

namespace halvane {

class Surface;
struct FrameContext;

// Altitude and azimuth, fixed to the horizon.
void DrawHorizontalGrid(const FrameContext& frame, Surface& surface);
// Declination and right ascension, fixed to the sky: turned by the sky's sidereal angle, the
// apparent one for the sky of the date, it shows the equator of the date.
void DrawEquatorialGrid(const FrameContext& frame, Surface& surface);

}  // namespace halvane
