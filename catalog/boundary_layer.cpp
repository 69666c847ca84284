// The constellation-boundary layer: the ConBon.dat polylines near the visible cap, joined
// vertex to vertex, following each polyline one vertex past the edge of the chart and
// joining it again from the vertex before it re-enters; a segment left out by that walk gets
// the part of its great circle in the cap.
#include "catalog/catalog_layers.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/catalog_records.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/cap_arc.h"
#include "view/frame_context.h"

namespace halvane {

namespace {

bool InsideRect(const Rect& r, const Point& p) {
  return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}

// A vertex's place in the horizontal frame, once it has been worked out.
struct Horizontal {
  Direction direction;
  bool known = false;
};

struct CachedVertex {
  CatalogPoint place;
  uint16_t boundaryId;
};

// The vertices with their directions, and the longest segment between two vertices of one
// polyline: no segment reaches the cap from a vertex further than that beyond its edge.
struct BoundaryVertices {
  void Add(const uint8_t* bytes) {
    const BoundaryVertex vertex = DecodeVertex(bytes);
    const CachedVertex cached{CatalogPointOf(vertex.rightAscension, vertex.declination),
                              vertex.boundaryId};
    if (!records.empty() && records.back().boundaryId == cached.boundaryId) {
      const Direction& a = records.back().place.direction;
      const Direction& b = cached.place.direction;
      const double chord = std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                                     (a.z - b.z) * (a.z - b.z));
      // NaN, from a damaged vertex, leaves every segment worth a look.
      longestChord = chord <= longestChord ? longestChord : chord;
    }
    records.push_back(cached);
  }
  // The angle of the longest chord, radians.
  double LongestSegment() const {
    return std::isfinite(longestChord) ? 2.0 * std::asin(std::min(1.0, 0.5 * longestChord)) : PI;
  }

  std::vector<CachedVertex> records;
  double longestChord = 0.0;
};

// What one pass carries from one vertex to the next.
struct BoundaryWalk {
  int32_t previousId = -1;  // no 16-bit boundaryId takes this value
  bool onScreen = true;     // so the first vertex of the file is always processed
  Point pending;
  CachedVertex previous{};
  bool previousUsable = false;  // false before the first record and after a damaged one
  Horizontal previousPlace;
};

}  // namespace

void PrepareConstellationBoundaries(const LayerSet& layers, CatalogStore& catalogs) {
  if (layers.showConstellationBoundaries) {
    catalogs.Kept<BoundaryVertices>(layers.boundariesPath, BOUNDARIES_TAG, VERTEX_RECORD_SIZE);
  }
}

void DrawConstellationBoundaries(const FrameContext& frame, Surface& surface) {
  surface.SelectPen(frame.pens.boundary);
  const LayerSet& layers = frame.layers;
  if (!layers.showConstellationBoundaries) return;
  const Projection& projection = frame.projection;
  const SkyPlaces& sky = frame.Sky();
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);

  const auto kept = frame.catalogs->Kept<BoundaryVertices>(layers.boundariesPath, BOUNDARIES_TAG,
                                                           VERTEX_RECORD_SIZE);
  const CachedCatalog<BoundaryVertices>& vertices = *kept;
  if (!UsableCatalog(vertices, BOUNDARIES_NOT_FOUND_TEXT, surface, viewRect)) return;
  // With the plain sky's turn: a vertex further than this cosine from the cap's centre starts no
  // segment that reaches the cap.
  const double cosReach =
      culling.turn ? std::cos(std::min(PI, culling.cap.radius + vertices.index.LongestSegment()))
                   : -2.0;

  BoundaryWalk walk;
  for (const CachedVertex& v : vertices.index.records) {
    if (!IsUsablePosition(v.place.rightAscension, v.place.declination)) {
      // Nothing is drawn to or from a damaged vertex: the polyline breaks there.
      walk.onScreen = false;
      walk.previousUsable = false;
      continue;
    }

    Horizontal place;
    const auto locate = [&](const CachedVertex& vertex, Horizontal& where) {
      if (where.known) return;
      where.direction = culling.Locate(projection, sky, vertex.place);
      where.known = true;
    };
    bool processed = walk.onScreen || culling.MayBeInCap(sky, v.place);
    if (processed) {
      locate(v, place);
      processed = walk.onScreen || culling.cap.Contains(place.direction);
    }

    bool joined = false;  // the segment from the previous record was drawn
    if (processed) {
      const Point here = projection.HorizontalToScreen(place.direction);
      const bool continuesPolyline = v.boundaryId == walk.previousId;
      if (continuesPolyline && (walk.onScreen || walk.previousUsable)) {
        Point start = walk.pending;
        if (!walk.onScreen) {
          // The vertex before the re-entry was skipped, so its pixel was never computed.
          locate(walk.previous, walk.previousPlace);
          start = projection.HorizontalToScreen(walk.previousPlace.direction);
        }
        const Point segment[2] = {start, here};
        surface.Polyline(segment, 2);
        joined = true;
      }
      walk.pending = here;
      walk.previousId = v.boundaryId;
      walk.onScreen = InsideRect(viewRect, here);
    }

    // A segment of the polyline that the walk above leaves out (both ends away from the
    // view, or an entry after a vertex of another polyline) may still cross the view.
    if (!joined && walk.previousUsable && walk.previous.boundaryId == v.boundaryId &&
        (!culling.turn || Dot(culling.catalogCentre, v.place.direction) >= cosReach) &&
        culling.ArcMayMeetCap(sky, walk.previous.place, v.place)) {
      locate(walk.previous, walk.previousPlace);
      locate(v, place);
      DrawArcInCap(projection, culling.cap, walk.previousPlace.direction, place.direction, surface);
    }
    walk.previous = v;
    walk.previousUsable = true;
    walk.previousPlace = place;
  }
}

}  // namespace halvane
