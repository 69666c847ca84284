// The deep-sky layer: each visible object of DeepSky.dat as the symbol of its kind, at its
// true size when that is larger, down to a magnitude that follows the zoom.
#include "catalog/deep_sky_layer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "astro/angles.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_memory.h"
#include "catalog/layer_message.h"
#include "catalog/local_sky_names.h"
#include "catalog/sky_records.h"
#include "platform/utf8_text.h"
#include "view/close_detail.h"
#include "view/frame_context.h"
#include "view/star_sprites.h"

namespace halvane {

namespace {

constexpr int32_t SYMBOL_RADIUS = 3;  // pixels: the symbol of an object smaller than that
constexpr int32_t TICK = 2;           // pixels a planetary nebula's ticks reach beyond it
constexpr int32_t CORNER = 4;         // pixels cut off the corners of a large nebula's square
constexpr double ARC_MINUTE_TENTH = DEG_TO_RAD / 600.0;
// The magnitude limit in hundredths: 6 at 90 degrees, 1.6 fainter for each halving of the
// field, so 14 at the narrowest, moved by the star-limit keys.
constexpr double WIDE_LIMIT = 600.0;
constexpr double LIMIT_PER_HALVING = 160.0;
constexpr int32_t DEEPEST_LIMIT = 1400;
// Objects the source gives no magnitude for show at the narrowest fields only.
constexpr int16_t UNKNOWN_MAGNITUDE = 1400;
// Hundredths: objects this bright are named before the fainter ones, beside the Messier objects.
constexpr int32_t NOTABLE_MAGNITUDE = 900;
// Pixels: an outline wider than this is named under its rim.
constexpr int32_t LARGE_OUTLINE = 40;
constexpr int32_t RIM_NAME_DROP = 8;

int32_t MagnitudeLimit(double fieldOfView, int32_t starLimitOffset) {
  const double halvings = std::log2(HALF_PI / fieldOfView);
  const int32_t limit =
      std::min(DEEPEST_LIMIT, static_cast<int32_t>(WIDE_LIMIT + LIMIT_PER_HALVING * halvings));
  return limit + 100 * starLimitOffset;
}

// The Messier objects and the others down to magnitude 11, in file order with their
// directions: every field of 11.25 degrees or wider draws from these alone and reads no file.
struct BrightObjects {
  static constexpr int32_t LIMIT = 1100;  // hundredths
  struct Object {
    DeepSkyRecord record;
    Direction direction;
    uint32_t number;
  };

  void Add(const uint8_t* bytes) {
    const DeepSkyRecord record = DecodeDeepSky(bytes);
    const uint32_t number = records++;
    const int32_t magnitude =
        record.magnitude == NO_MAGNITUDE ? UNKNOWN_MAGNITUDE : record.magnitude;
    if (magnitude > LIMIT && (record.flags & DEEP_SKY_MESSIER) == 0) return;
    objects.push_back({record, DirectionOf(record.rightAscension, record.declination), number});
  }

  std::vector<Object> objects;
  uint32_t records = 0;  // read so far
};

// The screen angle (degrees, counter-clockwise from the x axis) of north at the object.
int32_t NorthAngle(const Projection& projection, const SkyPlaces& sky, const DeepSkyRecord& object,
                   Point at) {
  constexpr double STEP = 0.001;  // radians towards the pole
  const double declination = std::min(object.declination + STEP, HALF_PI);
  double x = 0.0;
  double y = 0.0;
  projection.GetOrientation().HorizontalToView(
      projection.SkyToHorizontal(sky, object.rightAscension, declination), x, y);
  double atX = 0.0;
  double atY = 0.0;
  projection.ScreenToView(at.x, at.y, atX, atY);
  return static_cast<int32_t>(std::lround(std::atan2(y - atY, x - atX) * RAD_TO_DEG));
}

void DrawSymbol(Surface& surface, const DeepSkyRecord& object, Point at, int32_t major,
                int32_t minor, int32_t angle) {
  const int32_t r = std::max(major, SYMBOL_RADIUS);
  switch (object.kind) {
    case DeepSkyKind::Galaxy: {
      const int32_t across = major > SYMBOL_RADIUS ? std::max(minor, 1) : SYMBOL_RADIUS - 1;
      surface.Ellipse(at, r, across, angle, false);
      break;
    }
    case DeepSkyKind::OpenCluster: surface.Ellipse(at, r, r, 0, true); break;
    case DeepSkyKind::GlobularCluster: {
      surface.Ellipse(at, r, r, 0, false);
      const std::array<Point, 2> across = {Point{at.x - r, at.y}, Point{at.x + r + 1, at.y}};
      const std::array<Point, 2> down = {Point{at.x, at.y - r}, Point{at.x, at.y + r + 1}};
      surface.Polyline(across.data(), 2);
      surface.Polyline(down.data(), 2);
      break;
    }
    case DeepSkyKind::BrightNebula: {
      const int32_t c = std::clamp(r / 4, 1, CORNER);  // the rounding of the corners
      const std::array<Point, 9> square = {
          Point{at.x - r + c, at.y - r}, Point{at.x + r - c, at.y - r},
          Point{at.x + r, at.y - r + c}, Point{at.x + r, at.y + r - c},
          Point{at.x + r - c, at.y + r}, Point{at.x - r + c, at.y + r},
          Point{at.x - r, at.y + r - c}, Point{at.x - r, at.y - r + c},
          Point{at.x - r + c, at.y - r}};
      surface.Polyline(square.data(), static_cast<int32_t>(square.size()));
      break;
    }
    case DeepSkyKind::PlanetaryNebula: {
      surface.Ellipse(at, r - 1, r - 1, 0, false);
      const std::array<std::array<Point, 2>, 4> ticks = {{
          {Point{at.x + r, at.y}, Point{at.x + r + TICK, at.y}},
          {Point{at.x - r, at.y}, Point{at.x - r - TICK, at.y}},
          {Point{at.x, at.y + r}, Point{at.x, at.y + r + TICK}},
          {Point{at.x, at.y - r}, Point{at.x, at.y - r - TICK}},
      }};
      for (const auto& tick : ticks) surface.Polyline(tick.data(), 2);
      break;
    }
    case DeepSkyKind::Other: surface.Ellipse(at, std::max(major, 2), std::max(major, 2), 0, false);
  }
}

void DrawObjects(const FrameContext& frame, Surface& surface) {
  const Projection& projection = frame.projection;
  const LayerSet& layers = frame.layers;
  const SkyPlaces& sky = frame.Sky();
  std::vector<NumberedDeepSky>& shown = frame.memory->deepSkyShown;
  const Rect& viewRect = projection.GetViewRect();
  const auto kept =
      frame.catalogs->Kept<BrightObjects>(layers.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE);
  const CachedCatalog<BrightObjects>& bright = *kept;
  if (!UsableCatalog(bright, FILE_NOT_FOUND_TEXT, surface, viewRect)) return;
  const CatalogCulling culling(projection, sky);
  const double fieldOfView = projection.GetFieldOfView();
  // No object fainter than the stars drawn beside it, lest faint outlines bury bright stars.
  const int32_t limit = std::min({MagnitudeLimit(fieldOfView, layers.starLimitOffset),
                                  StarLayerLimit(layers, fieldOfView), frame.SkyFaintest()});
  const bool named = ShowsCloseDetail(fieldOfView);
  const double pixelsPerTenth = projection.GetXScale() * ARC_MINUTE_TENTH;

  // direction: the object's, when already known.
  const auto draw = [&](const DeepSkyRecord& object, uint32_t number, const Direction* direction) {
    const int32_t magnitude =
        object.magnitude == NO_MAGNITUDE ? UNKNOWN_MAGNITUDE : object.magnitude;
    if (magnitude > limit) return;
    if (!IsUsablePosition(object.rightAscension, object.declination)) return;
    Direction horizontal;
    const bool inCap =
        direction != nullptr
            ? culling.PlaceInCap(projection, sky,
                                 {object.rightAscension, object.declination, *direction},
                                 horizontal)
            : culling.PlaceInCap(projection, sky, object.rightAscension, object.declination,
                                 horizontal);
    if (!inCap) return;
    const Point at = projection.HorizontalToScreen(horizontal);
    // Half the axes, in pixels; the true size of the largest is bounded by the chart.
    const double limitPixels = 4.0 * std::max(viewRect.Width(), viewRect.Height());
    const auto major =
        static_cast<int32_t>(std::min(limitPixels, 0.5 * object.majorAxis * pixelsPerTenth));
    const uint16_t minorAxis = object.minorAxis == 0 ? object.majorAxis : object.minorAxis;
    const auto minor =
        static_cast<int32_t>(std::min(limitPixels, 0.5 * minorAxis * pixelsPerTenth));
    const int32_t reach = std::max(major, SYMBOL_RADIUS) + TICK;
    if (at.x + reach < viewRect.left || at.x - reach > viewRect.right ||
        at.y + reach < viewRect.top || at.y - reach > viewRect.bottom) {
      return;
    }
    // The source gives no position angle: a galaxy's long axis is drawn north to south.
    const int32_t angle = object.kind == DeepSkyKind::Galaxy && major > SYMBOL_RADIUS
                              ? NorthAngle(projection, sky, object, at)
                              : 0;
    DrawSymbol(surface, object, at, major, minor, angle);
    shown.push_back({object, number});
    if (named && !(layers.showGround && horizontal.z < 0.0) &&
        IsValidUtf8(FieldText(object.name))) {
      LabelCandidate name;
      name.x = at.x;
      name.y = at.y;
      name.keepOut = SYMBOL_RADIUS + 1;  // a large outline leaves room for names within it
      if (major > LARGE_OUTLINE) {
        // Named under its rim, clear of the stars crowding its middle (the Pleiades).
        name.y = at.y + major + RIM_NAME_DROP;
        name.keepOut = 0.0;
        name.centred = true;
      }
      name.text = Utf8ToUtf16(FieldText(object.name));
      const bool messier = (object.flags & DEEP_SKY_MESSIER) != 0;
      name.rank =
          messier || magnitude <= NOTABLE_MAGNITUDE ? LabelRank::DeepSky : LabelRank::FaintDeepSky;
      name.magnitude = magnitude / 100.0;
      if (frame.localNames != nullptr) name.text = frame.localNames->DeepSky(name.text);
      name.color = frame.pens.deepSkyName;
      frame.labels.push_back(std::move(name));
    }
  };

  if (limit <= BrightObjects::LIMIT) {
    for (const BrightObjects::Object& object : bright.index.objects) {
      draw(object.record, object.number, &object.direction);
    }
    return;
  }
  RecordFile file(DEEP_SKY_RECORD_SIZE);
  if (!UsableLayerFile(frame.catalogs->Open(file, layers.deepSkyPath, DEEP_SKY_TAG),
                       FILE_NOT_FOUND_TEXT, surface, viewRect)) {
    return;
  }
  for (uint32_t number = 0; const uint8_t* bytes = file.Next(); ++number) {
    // The band first, from the record's bytes: most objects of a narrow field lie beyond it.
    if (!culling.InBand(DeepSkyDeclinationOf(bytes))) continue;
    draw(DecodeDeepSky(bytes), number, nullptr);
  }
}

}  // namespace

void PrepareDeepSky(const LayerSet& layers, CatalogStore& catalogs) {
  if (layers.showDeepSky) {
    catalogs.Kept<BrightObjects>(layers.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE);
  }
}

void DrawDeepSky(const FrameContext& frame, Surface& surface) {
  frame.memory->deepSkyShown.clear();
  if (!frame.layers.showDeepSky) return;
  surface.SelectPen(frame.pens.deepSky);
  DrawObjects(frame, surface);
  surface.SelectPen(frame.pens.boundary);
}

}  // namespace halvane
