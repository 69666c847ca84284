// How a star's brightness and colour choose its cell of the sprite sheet (bitmap 105): 7 rows
// of tints, blue to red, by 11 columns of sizes, largest first, each cell 11 x 11 pixels
// centred on its pixel (5, 5).
#pragma once

#include <cstdint>

#include "astro/angles.h"
#include "view/layer_set.h"

namespace halvane {

constexpr int32_t STAR_SPRITE_SIZE = 11;
constexpr int32_t STAR_SPRITE_HALF = 5;
constexpr int32_t STAR_SPRITE_ROWS = 7;
constexpr int32_t STAR_SPRITE_COLUMNS = 11;

// Stars whose magnitude plus the zoom offset exceeds this (hundredths) are not drawn.
constexpr int32_t FAINTEST_SHIFTED_MAGNITUDE = 600;
// The zoom offset never drops below this, so narrow fields stop at magnitude 8.
constexpr int32_t FAINTEST_ZOOM_OFFSET = -200;

// The offset (hundredths of a magnitude) added to each magnitude before the limit test: 100
// at a 90-degree field, 100 more per doubling, 100 less per halving down to -200.
int32_t StarZoomOffset(double fieldOfView);
// The zoom offset of the faint stars: the bright stars' slope without their floor, two
// magnitudes deeper, so that 11.25 degrees reach magnitude 10 and 2.8 degrees magnitude 12.
int32_t FaintZoomOffset(double fieldOfView);
// The faintest star (hundredths of a magnitude) the star layer draws at fieldOfView on a dark
// sky, with the faint stars' file at the narrow fields where it is read; the other layers that
// follow the stars (deep sky, comets, the bodies' names) take the same limit.
int32_t StarLayerLimit(const LayerSet& layers, double fieldOfView);
// Sprite row (tint) for a colour index in hundredths; above 9000 (no colour) gives white.
int32_t StarSpriteRow(int32_t colorIndex);
// Sprite column (size) for a magnitude plus zoom offset, clamped to 0..600: 0 is the largest.
int32_t StarSpriteColumn(int32_t shiftedMagnitude);

}  // namespace halvane
