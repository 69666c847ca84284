// The star layer: every visible star of Stars.dat, and of FaintStars.dat at narrow fields, stamped
// as a sprite sized by brightness and tinted by colour, with the progress strip driven by the pass.
#include "catalog/catalog_layers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_memory.h"
#include "catalog/layer_message.h"
#include "view/close_detail.h"
#include "view/frame_context.h"
#include "view/star_sprites.h"

namespace halvane {

namespace {

constexpr int32_t PROGRESS_INTERVAL = 200;  // records between two progress updates
constexpr int32_t EDGE_MARGIN = 5;          // half a sprite: stars cut by the edge still show
// The stars at most Limit bright (hundredths of a magnitude), in file order with their numbers
// in the file: a wide field's magnitude limit leaves most stars out, and its pass then walks
// the shortest list that holds them all instead of reading the file, touching little memory
// beside the stars it draws. Narrower fields read the file as it is. Each list is made when a
// field first needs it, and kept small: every page of it costs a fault when a chart first
// touches it.
template <int32_t Limit>
struct BrightStars {
  static constexpr int32_t limit = Limit;
  struct Star {
    Direction direction;
    double declination;
    int32_t number;  // 1 for the file's first record
    int16_t magnitude;
    int16_t colorIndex;
  };

  void Add(const uint8_t* bytes) {
    ++count;
    if (StarMagnitudeOf(bytes) > Limit) return;
    const StarRecord star = DecodeStar(bytes);
    // A damaged position is never drawn.
    if (!IsUsablePosition(star.rightAscension, star.declination)) return;
    stars.push_back({DirectionOf(star.rightAscension, star.declination), star.declination, count,
                     star.magnitude, star.colorIndex});
    magnitudes.push_back(star.magnitude);
  }

  std::vector<Star> stars;
  std::vector<int16_t> magnitudes;  // the same stars', side by side for the magnitude test
  int32_t count = 0;                // records in the file
};
using StarsToFive = BrightStars<500>;
using StarsToSeven = BrightStars<700>;

// A whole star file for the narrow fields, which reach fainter stars than the lists hold: its
// records as they are, and beside them each one's band of declination, so that a pass walks
// one byte a record in file order and looks only at the records of the bands its cap meets.
struct StarZones {
  static constexpr int32_t ZONES = 180;
  static constexpr uint8_t NO_ZONE = 255;  // a declination that is no number

  static uint8_t ZoneOf(double declination) {
    if (std::isnan(declination)) return NO_ZONE;
    const double zone = std::floor((declination + HALF_PI) * (ZONES / PI));
    return static_cast<uint8_t>(std::clamp(zone, 0.0, ZONES - 1.0));
  }

  // Far more than any star catalog holds: a larger file is read as it goes instead of kept.
  static constexpr size_t MOST_KEPT = size_t{1} << 21;

  void Add(const uint8_t* bytes) {
    if (zones.size() == MOST_KEPT) {
      tooLarge = true;
      return;
    }
    records.insert(records.end(), bytes, bytes + STAR_RECORD_SIZE);
    zones.push_back(ZoneOf(StarDeclinationOf(bytes)));
  }

  std::vector<uint8_t> records;
  std::vector<uint8_t> zones;
  bool tooLarge = false;
};

// One pass over a star file; the progress strip grows only when starCount is given. Faint
// stars all take the smallest sprite, so none outshines a brighter star of Stars.dat.
void DrawStarFile(const FrameContext& frame, const std::string& path, bool faint,
                  int32_t* starCount, Surface& drawSurface) {
  const Projection& projection = frame.projection;
  const LayerSet& layers = frame.layers;
  const SkyPlaces& sky = frame.Sky();
  const Bitmap* starSprites = frame.starSprites;
  const int32_t skyFaintest = frame.SkyFaintest();
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);
  const double field = projection.GetFieldOfView();
  const int32_t zoomOffset = faint ? FaintZoomOffset(field) : StarZoomOffset(field);
  const int32_t faintest = FAINTEST_SHIFTED_MAGNITUDE + 100 * layers.starLimitOffset;

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
      frame.progress.Show(100.0 * c / *starCount, frame.progressSurface);
    }
    counted = number;
  };

  // 32 bits, as above: the faintest magnitude any star may have and still be drawn.
  const int32_t limit = std::min(faintest - zoomOffset, skyFaintest);
  int32_t count = 0;
  // False, with the file's message on the chart, when the file cannot be read.
  const auto walkList = [&]<typename List>(const CachedCatalog<List>& catalog) {
    if (!UsableCatalog(catalog, FILE_NOT_FOUND_TEXT, drawSurface, viewRect)) return false;
    const List& list = catalog.index;
    for (size_t i = 0; i < list.magnitudes.size(); ++i) {
      if (list.magnitudes[i] > limit) continue;
      const typename List::Star& star = list.stars[i];
      countTo(star.number);
      // The sky of the date places a star by its right ascension, not by its direction.
      double rightAscension = 0.0;
      if (!culling.turn) {
        rightAscension = std::atan2(star.direction.y, star.direction.x);
        if (rightAscension < 0.0) rightAscension += TWO_PI;
      }
      draw(rightAscension, star.declination, star.magnitude, star.colorIndex, &star.direction);
    }
    count = list.count;
    return true;
  };
  // A record of the file, numbered from 1.
  const auto pass = [&](const uint8_t* record, int32_t number) {
    // The magnitude and the band first: most records fail one and need no more decoding.
    if (StarMagnitudeOf(record) > limit || !culling.InBand(StarDeclinationOf(record))) return;
    if (culling.turn && !culling.InRightAscensionReach(StarRightAscensionOf(record))) return;
    countTo(number);
    const StarRecord star = DecodeStar(record);
    draw(star.rightAscension, star.declination, star.magnitude, star.colorIndex, nullptr);
  };
  if (limit <= StarsToFive::limit) {
    if (!walkList(*frame.catalogs->Kept<StarsToFive>(path, STARS_TAG, STAR_RECORD_SIZE))) return;
  } else if (limit <= StarsToSeven::limit) {
    if (!walkList(*frame.catalogs->Kept<StarsToSeven>(path, STARS_TAG, STAR_RECORD_SIZE))) return;
  } else {
    const auto zones = frame.catalogs->Kept<StarZones>(path, STARS_TAG, STAR_RECORD_SIZE);
    const CachedCatalog<StarZones>& kept = *zones;
    if (!UsableCatalog(kept, FILE_NOT_FOUND_TEXT, drawSurface, viewRect)) return;
    if (kept.index.tooLarge) {
      RecordFile file(STAR_RECORD_SIZE);
      if (!UsableLayerFile(frame.catalogs->Open(file, path, STARS_TAG), FILE_NOT_FOUND_TEXT,
                           drawSurface, viewRect)) {
        return;
      }
      while (const uint8_t* record = file.Next()) pass(record, ++count);
    } else {
      // Zones only grow with the declination, so every star of the band lies in these.
      const uint8_t firstZone = StarZones::ZoneOf(culling.lowDeclination);
      const uint8_t lastZone = StarZones::ZoneOf(culling.highDeclination);
      const std::vector<uint8_t>& zones = kept.index.zones;
      for (size_t i = 0; i < zones.size(); ++i) {
        if (zones[i] < firstZone || zones[i] > lastZone) continue;
        pass(kept.index.records.data() + i * STAR_RECORD_SIZE, static_cast<int32_t>(i) + 1);
      }
      count = static_cast<int32_t>(zones.size());
    }
  }
  countTo(count);
  if (starCount != nullptr) *starCount = count;
}

}  // namespace

void PrepareStars(const LayerSet& layers, CatalogStore& catalogs) {
  catalogs.Kept<StarsToFive>(layers.starsPath, STARS_TAG, STAR_RECORD_SIZE);
}

void DrawStars(const FrameContext& frame, Surface& surface) {
  DrawStarFile(frame, frame.layers.starsPath, false, &frame.memory->starCount, surface);
  if (!frame.layers.faintStarsPath.empty() && ShowsCloseDetail(frame.projection.GetFieldOfView())) {
    DrawStarFile(frame, frame.layers.faintStarsPath, true, nullptr, surface);
  }
}

}  // namespace halvane
