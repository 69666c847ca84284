// The walk shared by the two coordinate grids: which lines and points are drawn, how a line
// breaks where it leaves the visible cap, and where labels go. A grid differs only in how its
// points become horizontal positions and how its labels read.
#pragma once

#include <cstddef>

#include "astro/direction.h"

namespace halvane {

class Projection;
class Surface;

// Room for any label text, in UTF-16 code units.
constexpr size_t GRID_LABEL_CAPACITY = 24;

// Writes a label for an angle in radians into text (GRID_LABEL_CAPACITY units) and returns
// its length.
using GridLabelFormat = size_t (*)(double angle, char16_t* text);

struct GridSystem {
  GridLabelFormat latitudeLabel;   // on the lines of longitude 0 and PI
  GridLabelFormat longitudeLabel;  // on the middle parallel
};

// Draws the grid of the projection's grid divisions per half turn with the pen and text colour
// already selected into surface, whose frame toHorizontal turns into the horizontal one.
// centreLatitude is the view centre's latitude in the grid's frame (it chooses the parallels).
void WalkGrid(const Projection& view, Surface& surface, const GridSystem& system,
              const Rotation& toHorizontal, double centreLatitude);

// "%d°" of the angle rounded to whole degrees.
size_t FormatDegreesLabel(double angle, char16_t* text);
// "%d:%.2d": the angle as a right ascension rounded to whole minutes, hours:minutes.
size_t FormatHoursLabel(double angle, char16_t* text);

}  // namespace halvane
