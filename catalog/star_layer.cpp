// The star layer: every visible star of Stars.dat stamped as a sprite sized by brightness and
// tinted by colour, with the progress strip driven by the pass.
#include "catalog/catalog_layers.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/layer_set.h"
#include "view/progress_strip.h"
#include "view/projection.h"
#include "view/star_sprites.h"

namespace halvane {

namespace {

constexpr int32_t PROGRESS_INTERVAL = 200;  // records between two progress updates
constexpr int32_t EDGE_MARGIN = 5;          // half a sprite: stars cut by the edge still show

}  // namespace

void DrawStars(const Projection& projection, const LayerSet& layers, StarLayer& starLayer,
               Surface& drawSurface, ProgressStrip& progress, Surface& progressSurface,
               const SkyPlaces& sky) {
  const Rect& viewRect = projection.GetViewRect();
  const Bitmap* starSprites = starLayer.sprites.get();
  int32_t& starCount = starLayer.starCount;
  const CatalogCulling culling(projection, sky);
  const int32_t zoomOffset = StarZoomOffset(projection.GetFieldOfView());
  const int32_t faintest = FAINTEST_SHIFTED_MAGNITUDE + 100 * layers.starLimitOffset;

  RecordFile file(STAR_RECORD_SIZE);
  if (!OpenLayerFile(file, layers.starsPath, STARS_TAG, FILE_NOT_FOUND_TEXT, drawSurface,
                     viewRect)) {
    return;
  }

  const int64_t left = int64_t{viewRect.left} - EDGE_MARGIN;
  const int64_t right = int64_t{viewRect.right} + EDGE_MARGIN;
  const int64_t top = int64_t{viewRect.top} - EDGE_MARGIN;
  const int64_t bottom = int64_t{viewRect.bottom} + EDGE_MARGIN;

  int32_t count = 0;
  while (const uint8_t* record = file.Next()) {
    ++count;
    if (count % PROGRESS_INTERVAL == 0 && starCount != 0) {
      progress.Show(100.0 * count / starCount, progressSurface);
    }
    const StarRecord star = DecodeStar(record);
    // Summed in 32 bits: a faint magnitude near the 16-bit limit must stay faint.
    const int32_t shiftedMagnitude = int32_t{star.magnitude} + zoomOffset;
    if (!culling.InBand(star.declination) || shiftedMagnitude > faintest) continue;
    if (star.magnitude > starLayer.skyFaintest) continue;
    if (!std::isfinite(star.rightAscension)) continue;
    if (culling.prefilter.CertainlyOutside(star.rightAscension - sky.GetSiderealAngle(),
                                           star.declination)) {
      continue;
    }

    double azimuth = 0.0;
    double altitude = 0.0;
    projection.SkyToHorizontal(sky, star.rightAscension, star.declination, azimuth, altitude);
    if (!culling.cap.Contains(azimuth, altitude)) continue;
    const Point pixel = projection.HorizontalToScreen(azimuth, altitude);
    const int32_t sx = pixel.x;
    const int32_t sy = pixel.y;
    if (sx < left || sx > right || sy < top || sy > bottom) continue;
    if (starSprites == nullptr) continue;

    const int32_t row = StarSpriteRow(star.colorIndex);
    const int32_t column = StarSpriteColumn(shiftedMagnitude);
    drawSurface.Blit(sx - STAR_SPRITE_HALF, sy - STAR_SPRITE_HALF, STAR_SPRITE_SIZE,
                     STAR_SPRITE_SIZE, *starSprites, STAR_SPRITE_SIZE * column,
                     STAR_SPRITE_SIZE * row, RasterOp::Or);
  }
  starCount = count;
}

}  // namespace halvane
