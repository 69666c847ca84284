// The constellation-line layer: every ConLin.dat segment with an end in the visible cap,
// drawn whole with the pen the frame has selected, and the visible part of every segment that
// only passes through the cap.
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/cap_arc.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

void DrawConstellationLines(const Projection& projection, const LayerSet& layers, Surface& surface,
                            const SkyPlaces& sky) {
  if (!layers.showConstellationLines) return;
  const Rect& viewRect = projection.GetViewRect();
  const CatalogCulling culling(projection, sky);

  RecordFile file(SEGMENT_RECORD_SIZE);
  if (!OpenLayerFile(file, layers.linesPath, LINES_TAG, FILE_NOT_FOUND_TEXT, surface, viewRect))
    return;

  while (const uint8_t* bytes = file.Next()) {
    const ConstellationSegment s = DecodeSegment(bytes);
    if (!IsUsablePosition(s.rightAscension1, s.declination1) ||
        !IsUsablePosition(s.rightAscension2, s.declination2)) {
      continue;
    }
    const double siderealAngle = sky.GetSiderealAngle();
    // A segment with an end near the view is drawn whole, straight; one that only passes
    // through the view gets the part of its great circle in the cap.
    const bool nearView =
        (culling.InBand(s.declination1) || culling.InBand(s.declination2)) &&
        !(culling.prefilter.CertainlyOutside(s.rightAscension1 - siderealAngle, s.declination1) &&
          culling.prefilter.CertainlyOutside(s.rightAscension2 - siderealAngle, s.declination2));
    if (!nearView && (!culling.ArcMayReachBand(s.rightAscension1, s.declination1, s.rightAscension2,
                                               s.declination2) ||
                      culling.arcPrefilter.ArcCertainlyOutside(
                          s.rightAscension1 - siderealAngle, s.declination1,
                          s.rightAscension2 - siderealAngle, s.declination2))) {
      continue;
    }

    double azimuth1 = 0.0;
    double altitude1 = 0.0;
    double azimuth2 = 0.0;
    double altitude2 = 0.0;
    projection.SkyToHorizontal(sky, s.rightAscension1, s.declination1, azimuth1, altitude1);
    projection.SkyToHorizontal(sky, s.rightAscension2, s.declination2, azimuth2, altitude2);
    if (!nearView || (!culling.cap.Contains(azimuth1, altitude1) &&
                      !culling.cap.Contains(azimuth2, altitude2))) {
      DrawArcInCap(projection, culling.cap, azimuth1, altitude1, azimuth2, altitude2, surface);
      continue;
    }

    // No test against viewRect: an end far outside is left to the surface's clipping.
    const Point ends[2] = {projection.HorizontalToScreen(azimuth1, altitude1),
                           projection.HorizontalToScreen(azimuth2, altitude2)};
    surface.Polyline(ends, 2);
  }
}

}  // namespace halvane
