// The constellation-line layer: every ConLin.dat segment with an end in the visible cap,
// drawn whole with the pen the frame has selected, and the visible part of every segment that
// only passes through the cap.
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/cap_arc.h"
#include "view/frame_context.h"

namespace halvane {

namespace {

struct CachedSegment {
  CatalogPoint end1;
  CatalogPoint end2;
};

CachedSegment DecodeCachedSegment(const uint8_t* bytes) {
  const ConstellationSegment s = DecodeSegment(bytes);
  return {CatalogPointOf(s.rightAscension1, s.declination1),
          CatalogPointOf(s.rightAscension2, s.declination2)};
}

using Segments = DecodedRecords<CachedSegment, DecodeCachedSegment>;

std::shared_ptr<const CachedCatalog<Segments>> KeptSegments(const LayerSet& layers,
                                                            CatalogStore& catalogs) {
  return catalogs.Kept<Segments>(layers.linesPath, LINES_TAG, SEGMENT_RECORD_SIZE);
}

}  // namespace

void PrepareConstellationLines(const LayerSet& layers, CatalogStore& catalogs) {
  if (layers.showConstellationLines) KeptSegments(layers, catalogs);
}

void DrawConstellationLines(const FrameContext& frame, Surface& surface) {
  surface.SelectPen(frame.pens.line);
  const LayerSet& layers = frame.layers;
  if (!layers.showConstellationLines) return;
  const Projection& projection = frame.projection;
  const SkyPlaces& sky = frame.Sky();
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);

  const auto kept = KeptSegments(layers, *frame.catalogs);
  const CachedCatalog<Segments>& segments = *kept;
  if (!UsableCatalog(segments, FILE_NOT_FOUND_TEXT, surface, viewRect)) return;

  for (const CachedSegment& s : segments.index.records) {
    if (!IsUsablePosition(s.end1.rightAscension, s.end1.declination) ||
        !IsUsablePosition(s.end2.rightAscension, s.end2.declination)) {
      continue;
    }
    // A segment with an end near the view is drawn whole, straight; one that only passes
    // through the view gets the part of its great circle in the cap.
    const bool nearView = culling.MayBeInCap(sky, s.end1) || culling.MayBeInCap(sky, s.end2);
    if (!nearView && !culling.ArcMayMeetCap(sky, s.end1, s.end2)) continue;

    const Direction end1 = culling.Locate(projection, sky, s.end1);
    const Direction end2 = culling.Locate(projection, sky, s.end2);
    if (!nearView || (!culling.cap.Contains(end1) && !culling.cap.Contains(end2))) {
      DrawArcInCap(projection, culling.cap, end1, end2, surface);
      continue;
    }

    // No test against viewRect: an end far outside is left to the surface's clipping.
    const Point ends[2] = {projection.HorizontalToScreen(end1),
                           projection.HorizontalToScreen(end2)};
    surface.Polyline(ends, 2);
  }
}

}  // namespace halvane
