// The star layer: every visible star of Stars.dat, and of FaintStars.dat at narrow fields, stamped
// as a sprite sized by brightness and tinted by colour, with the progress strip driven by the pass.
#include "catalog/catalog_layers.h"

#include <algorithm>
#include <array>
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

// The stars down to magnitude 5, and down to 7, in file order with their numbers in the file:
// a wide field's magnitude limit leaves most stars out, and its pass then walks the shorter
// list that holds them all instead of reading the file, touching little memory beside the stars
// it draws. Narrower fields read the file as it is. Kept small, since every page of it costs a
// fault when the first chart touches it.
struct BrightStars {
  struct Star {
    Direction direction;
    double declination;
    int32_t number;  // 1 for the file's first record
    int16_t magnitude;
    int16_t colorIndex;
  };
  struct List {
    int32_t limit;  // hundredths: every star at most this bright
    std::vector<Star> stars;
    std::vector<int16_t> magnitudes;  // the same stars', side by side for the magnitude test
  };

  void Add(const uint8_t* bytes) {
    ++count;
    if (ReadI16(bytes + 16) > lists[1].limit) return;
    const StarRecord star = DecodeStar(bytes);
    // A damaged position is never drawn.
    if (!IsUsablePosition(star.rightAscension, star.declination)) return;
    const Star kept{DirectionOf(star.rightAscension, star.declination), star.declination, count,
                    star.magnitude, star.colorIndex};
    for (List& list : lists) {
      if (star.magnitude > list.limit) continue;
      list.stars.push_back(kept);
      list.magnitudes.push_back(star.magnitude);
    }
  }

  // The shorter list that holds every star at most limit bright; null: read the file.
  const List* For(int32_t limit) const {
    for (const List& list : lists) {
      if (limit <= list.limit) return &list;
    }
    return nullptr;
  }

  std::array<List, 2> lists{List{500, {}, {}}, List{700, {}, {}}};
  int32_t count = 0;  // records in the file
};

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

  const CachedCatalog<BrightStars>& bright =
      CachedIndex<BrightStars>(path, STARS_TAG, STAR_RECORD_SIZE);
  if (!UsableCatalog(bright, FILE_NOT_FOUND_TEXT, drawSurface, viewRect)) return;

  const int64_t left = int64_t{viewRect.left} - EDGE_MARGIN;
  const int64_t right = int64_t{viewRect.right} + EDGE_MARGIN;
  const int64_t top = int64_t{viewRect.top} - EDGE_MARGIN;
  const int64_t bottom = int64_t{viewRect.bottom} + EDGE_MARGIN;

  // direction: the star's, when already known.
  const auto draw = [&](double rightAscension, double declination, int16_t magnitude,
                        int16_t colorIndex, const Direction* direction) {
    // Summed in 32 bits: a faint magnitude near the 16-bit limit must stay faint.
    const int32_t shiftedMagnitude = int32_t{magnitude} + zoomOffset;
    if (shiftedMagnitude > faintest || magnitude > skyFaintest) return;
    if (!std::isfinite(rightAscension)) return;
    Direction horizontal;
    const bool inCap =
        direction != nullptr
            ? culling.PlaceInCap(projection, sky, {rightAscension, declination, *direction},
                                 horizontal)
            : culling.PlaceInCap(projection, sky, rightAscension, declination, horizontal);
    if (!inCap) return;
    const Point pixel = projection.HorizontalToScreen(horizontal);
    const int32_t sx = pixel.x;
    const int32_t sy = pixel.y;
    if (sx < left || sx > right || sy < top || sy > bottom) return;
    if (starSprites == nullptr) return;

    const int32_t row = StarSpriteRow(colorIndex);
    const int32_t column = StarSpriteColumn(faint ? FAINTEST_SHIFTED_MAGNITUDE : shiftedMagnitude);
    drawSurface.Blit(sx - STAR_SPRITE_HALF, sy - STAR_SPRITE_HALF, STAR_SPRITE_SIZE,
                     STAR_SPRITE_SIZE, *starSprites, STAR_SPRITE_SIZE * column,
                     STAR_SPRITE_SIZE * row, RasterOp::Or);
  };
  // The strip grows every PROGRESS_INTERVAL records of the file, walked or passed over.
  const bool showProgress = starCount != nullptr && *starCount != 0;
  int32_t counted = 0;
  const auto countTo = [&](int32_t number) {
    if (!showProgress) return;
    for (int32_t c = (counted / PROGRESS_INTERVAL + 1) * PROGRESS_INTERVAL; c <= number;
         c += PROGRESS_INTERVAL) {
      progress.Show(100.0 * c / *starCount, progressSurface);
    }
    counted = number;
  };

  // 32 bits, as above: the faintest magnitude any star may have and still be drawn.
  const int32_t limit = std::min(faintest - zoomOffset, skyFaintest);
  int32_t count = 0;
  if (const BrightStars::List* list = bright.index.For(limit)) {
    for (size_t i = 0; i < list->magnitudes.size(); ++i) {
      if (list->magnitudes[i] > limit) continue;
      const BrightStars::Star& star = list->stars[i];
      countTo(star.number);
      // The sky of the date places a star by its right ascension, not by its direction.
      double rightAscension = 0.0;
      if (!culling.turn) {
        rightAscension = std::atan2(star.direction.y, star.direction.x);
        if (rightAscension < 0.0) rightAscension += TWO_PI;
      }
      draw(rightAscension, star.declination, star.magnitude, star.colorIndex, &star.direction);
    }
    count = bright.index.count;
  } else {
    RecordFile file(STAR_RECORD_SIZE);
    if (!OpenLayerFile(file, path, STARS_TAG, FILE_NOT_FOUND_TEXT, drawSurface, viewRect)) return;
    while (const uint8_t* record = file.Next()) {
      ++count;
      if (showProgress && count % PROGRESS_INTERVAL == 0) countTo(count);
      // The magnitude and the band first: most records fail one and need no more decoding.
      if (ReadI16(record + 16) > limit || !culling.InBand(ReadF64(record + 8))) continue;
      if (culling.turn && !culling.InRightAscensionReach(ReadF64(record))) continue;
      const StarRecord star = DecodeStar(record);
      draw(star.rightAscension, star.declination, star.magnitude, star.colorIndex, nullptr);
    }
  }
  countTo(count);
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
