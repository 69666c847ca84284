// The constellation-boundary layer: the ConBon.dat polylines near the visible cap, joined
// vertex to vertex, following each polyline one vertex past the edge of the chart and
// joining it again from the vertex before it re-enters.
#include "astro/observer.h"
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

bool InsideRect(const Rect& r, const Point& p) {
  return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}

// What one pass carries from one vertex to the next.
struct BoundaryWalk {
  int32_t previousId = -1;  // no 16-bit boundaryId takes this value
  bool onScreen = true;     // so the first vertex of the file is always processed
  Point pending;
  BoundaryVertex previous{};
  bool previousUsable = false;  // false before the first record and after a damaged one
};

}  // namespace

void DrawConstellationBoundaries(const Projection& projection, const LayerSet& layers,
                                 Surface& surface, const SkyPlaces& sky) {
  if (!layers.showConstellationBoundaries) return;
  const Observer* observer = &projection.GetObserver();
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);

  RecordFile file(VERTEX_RECORD_SIZE);
  if (!OpenLayerFile(file, layers.boundariesPath, BOUNDARIES_TAG, BOUNDARIES_NOT_FOUND_TEXT,
                     surface, viewRect))
    return;

  BoundaryWalk walk;
  while (const uint8_t* bytes = file.Next()) {
    const BoundaryVertex v = DecodeVertex(bytes);
    if (!IsUsablePosition(v.rightAscension, v.declination)) {
      // Nothing is drawn to or from a damaged vertex: the polyline breaks there.
      walk.onScreen = false;
      walk.previousUsable = false;
      continue;
    }

    if (!walk.onScreen && (!culling.InBand(v.declination) ||
                           culling.prefilter.CertainlyOutside(
                               v.rightAscension - sky.GetSiderealAngle(), v.declination))) {
      walk.previous = v;
      walk.previousUsable = true;
      continue;
    }
    double azimuth = 0.0;
    double altitude = 0.0;
    sky.ToHorizontal(*observer, v.rightAscension, v.declination, azimuth, altitude);
    if (!walk.onScreen && !culling.cap.Contains(azimuth, altitude)) {
      walk.previous = v;
      walk.previousUsable = true;
      continue;
    }

    const Point here = ProjectToScreen(projection, azimuth, altitude);
    const bool continuesPolyline = v.boundaryId == walk.previousId;
    if (continuesPolyline && (walk.onScreen || walk.previousUsable)) {
      Point start = walk.pending;
      if (!walk.onScreen) {
        // The vertex before the re-entry was skipped, so its pixel was never computed.
        double previousAzimuth = 0.0;
        double previousAltitude = 0.0;
        sky.ToHorizontal(*observer, walk.previous.rightAscension, walk.previous.declination,
                         previousAzimuth, previousAltitude);
        start = ProjectToScreen(projection, previousAzimuth, previousAltitude);
      }
      const Point segment[2] = {start, here};
      surface.Polyline(segment, 2);
    }
    walk.pending = here;
    walk.previousId = v.boundaryId;
    walk.onScreen = InsideRect(viewRect, here);
    walk.previous = v;
    walk.previousUsable = true;
  }
}

}  // namespace halvane
