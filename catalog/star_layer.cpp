// The star layer: every visible star of Stars.dat, and of FaintStars.dat at narrow fields, stamped
// as a sprite sized by brightness and tinted by colour, with the progress strip driven by the pass.
#include "catalog/catalog_layers.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "astro/angles.h"
#include "catalog/catalog_cache.h"
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
// The widest field (radians) that FaintStars.dat is read at: 11.25 degrees, with room for
// rounding of the zoom steps.
constexpr double FAINT_STARS_FIELD = PI / 16.0 + 1e-9;

// The zoom offset of the faint stars: the bright stars' slope without their floor, two
// magnitudes deeper, so that 11.25 degrees reach magnitude 10 and 2.8 degrees magnitude 12.
int32_t FaintZoomOffset(double fieldOfView) {
  return static_cast<int32_t>(100.0 - 100.0 * std::log2(HALF_PI / fieldOfView)) - 200;
}

struct CachedStar {
  CatalogPoint place;
  int16_t magnitude;
  int16_t colorIndex;
};

CachedStar DecodeCachedStar(const uint8_t* bytes) {
  const StarRecord star = DecodeStar(bytes);
  return {CatalogPointOf(star.rightAscension, star.declination), star.magnitude, star.colorIndex};
}

// One pass over a star file; the progress strip grows only when starCount is given. Faint
// stars all take the smallest sprite, so none outshines a brighter star of Stars.dat.
void DrawStarFile(const std::string& path, bool faint, const Projection& projection,
                  const LayerSet& layers, const Bitmap* starSprites, int32_t skyFaintest,
                  int32_t* starCount, Surface& drawSurface, ProgressStrip& progress,
                  Surface& progressSurface, const SkyPlaces& sky) {
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);
  const double field = projection.GetFieldOfView();
  const int32_t zoomOffset = faint ? FaintZoomOffset(field) : StarZoomOffset(field);
  const int32_t faintest = FAINTEST_SHIFTED_MAGNITUDE + 100 * layers.starLimitOffset;

  const CachedCatalog<CachedStar>& stars =
      CachedRecords<CachedStar>(path, STARS_TAG, STAR_RECORD_SIZE, DecodeCachedStar);
  if (!UsableCatalog(stars, FILE_NOT_FOUND_TEXT, drawSurface, viewRect)) return;

  const int64_t left = int64_t{viewRect.left} - EDGE_MARGIN;
  const int64_t right = int64_t{viewRect.right} + EDGE_MARGIN;
  const int64_t top = int64_t{viewRect.top} - EDGE_MARGIN;
  const int64_t bottom = int64_t{viewRect.bottom} + EDGE_MARGIN;

  int32_t count = 0;
  for (const CachedStar& star : stars.records) {
    ++count;
    if (starCount != nullptr && count % PROGRESS_INTERVAL == 0 && *starCount != 0) {
      progress.Show(100.0 * count / *starCount, progressSurface);
    }
    // Summed in 32 bits: a faint magnitude near the 16-bit limit must stay faint.
    const int32_t shiftedMagnitude = int32_t{star.magnitude} + zoomOffset;
    if (shiftedMagnitude > faintest || star.magnitude > skyFaintest) continue;
    if (!std::isfinite(star.place.rightAscension)) continue;
    Direction horizontal;
    if (!culling.PlaceInCap(projection, sky, star.place, horizontal)) continue;
    const Point pixel = projection.HorizontalToScreen(horizontal);
    const int32_t sx = pixel.x;
    const int32_t sy = pixel.y;
    if (sx < left || sx > right || sy < top || sy > bottom) continue;
    if (starSprites == nullptr) continue;

    const int32_t row = StarSpriteRow(star.colorIndex);
    const int32_t column = StarSpriteColumn(faint ? FAINTEST_SHIFTED_MAGNITUDE : shiftedMagnitude);
    drawSurface.Blit(sx - STAR_SPRITE_HALF, sy - STAR_SPRITE_HALF, STAR_SPRITE_SIZE,
                     STAR_SPRITE_SIZE, *starSprites, STAR_SPRITE_SIZE * column,
                     STAR_SPRITE_SIZE * row, RasterOp::Or);
  }
  if (starCount != nullptr) *starCount = count;
}

}  // namespace

void DrawStars(const Projection& projection, const LayerSet& layers, StarLayer& starLayer,
               Surface& drawSurface, ProgressStrip& progress, Surface& progressSurface,
               const SkyPlaces& sky) {
  const Bitmap* sprites = starLayer.sprites.get();
  DrawStarFile(layers.starsPath, false, projection, layers, sprites, starLayer.skyFaintest,
               &starLayer.starCount, drawSurface, progress, progressSurface, sky);
  if (!layers.faintStarsPath.empty() && projection.GetFieldOfView() <= FAINT_STARS_FIELD) {
    DrawStarFile(layers.faintStarsPath, true, projection, layers, sprites, starLayer.skyFaintest,
                 nullptr, drawSurface, progress, progressSurface, sky);
  }
}

}  // namespace halvane
