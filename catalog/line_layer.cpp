// The constellation-line layer: every ConLin.dat segment with an end in the visible cap,
// drawn whole with the pen the frame has selected.
#include "astro/observer.h"
#include "catalog/catalog_layers.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

void DrawConstellationLines(const Projection& projection, const LayerSet& layers, Surface& surface,
                            const SkyPlaces& sky) {
  if (!layers.showConstellationLines) return;
  const Observer* observer = &projection.GetObserver();
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
    if (!culling.InBand(s.declination1) && !culling.InBand(s.declination2)) continue;
    const double siderealAngle = sky.GetSiderealAngle();
    if (culling.prefilter.CertainlyOutside(s.rightAscension1 - siderealAngle, s.declination1) &&
        culling.prefilter.CertainlyOutside(s.rightAscension2 - siderealAngle, s.declination2)) {
      continue;
    }

    double azimuth1 = 0.0;
    double altitude1 = 0.0;
    double azimuth2 = 0.0;
    double altitude2 = 0.0;
    sky.ToHorizontal(*observer, s.rightAscension1, s.declination1, azimuth1, altitude1);
    sky.ToHorizontal(*observer, s.rightAscension2, s.declination2, azimuth2, altitude2);
    if (!culling.cap.Contains(azimuth1, altitude1) && !culling.cap.Contains(azimuth2, altitude2)) {
      continue;
    }

    // No test against viewRect: an end far outside is left to the surface's clipping.
    const Point ends[2] = {ProjectToScreen(projection, azimuth1, altitude1),
                           ProjectToScreen(projection, azimuth2, altitude2)};
    surface.Polyline(ends, 2);
  }
}

}  // namespace halvane
