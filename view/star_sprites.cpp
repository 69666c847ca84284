// Which cell of the sprite sheet a star gets from its brightness, colour and the zoom.
#include "view/star_sprites.h"

#include <cmath>

#include "astro/angles.h"
#include "view/close_detail.h"

namespace halvane {

int32_t StarZoomOffset(double fieldOfView) {
  const double t = (std::log(fieldOfView / HALF_PI) / std::log(2.0)) * -100.0;
  // A field of view outside its limits must not make the conversion undefined.
  if (std::isnan(t)) return 100;
  if (t <= -1000.0) return 1100;
  if (t >= 1000.0) return FAINTEST_ZOOM_OFFSET;
  const int32_t zoomOffset = 100 - static_cast<int32_t>(t);
  return zoomOffset <= FAINTEST_ZOOM_OFFSET ? FAINTEST_ZOOM_OFFSET : zoomOffset;
}

int32_t FaintZoomOffset(double fieldOfView) {
  return static_cast<int32_t>(100.0 - 100.0 * std::log2(HALF_PI / fieldOfView)) - 200;
}

int32_t StarLayerLimit(const LayerSet& layers, double fieldOfView) {
  const bool faint = !layers.faintStarsPath.empty() && ShowsCloseDetail(fieldOfView);
  return FAINTEST_SHIFTED_MAGNITUDE + 100 * layers.starLimitOffset -
         (faint ? FaintZoomOffset(fieldOfView) : StarZoomOffset(fieldOfView));
}

int32_t StarSpriteRow(int32_t colorIndex) {
  if (colorIndex <= -30) return 0;
  if (colorIndex <= -10) return 1;
  if (colorIndex <= 20) return 2;
  if (colorIndex <= 50) return 3;
  if (colorIndex <= 80) return 4;
  if (colorIndex <= 130) return 5;
  if (colorIndex <= 9000) return 6;
  return 2;  // no colour given
}

int32_t StarSpriteColumn(int32_t shiftedMagnitude) {
  int32_t m = shiftedMagnitude;
  if (m < 0) m = 0;
  if (m > FAINTEST_SHIFTED_MAGNITUDE) m = FAINTEST_SHIFTED_MAGNITUDE;
  const int32_t column = (STAR_SPRITE_COLUMNS * m) / FAINTEST_SHIFTED_MAGNITUDE;
  return column < STAR_SPRITE_COLUMNS - 1 ? column : STAR_SPRITE_COLUMNS - 1;
}

}  // namespace halvane
