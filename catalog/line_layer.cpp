// The constellation-line layer: every ConLin.dat segment with an end in the visible cap,
// drawn whole with the pen the frame has selected.
#include "view/sky_view.h"

#include "astro/observer.h"
#include "catalog/cap_prefilter.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/layer_message.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

bool InBand(double declination, double low, double high) {
  return low <= declination && declination <= high;
}

}  // namespace

void SkyView::DrawConstellationLines(Surface& surface, double siderealAngle) {
  if (!showConstellationLines) return;
  const VisibleCap cap = VisibleCap::ForView(*this, 0.0);

  RecordFile file(SEGMENT_RECORD_SIZE);
  switch (file.Open(linesPath, LINES_TAG)) {
    case WalkResult::CannotOpen:
      DrawLayerMessage(surface, viewRect, FILE_NOT_FOUND_TEXT);
      return;
    case WalkResult::HeaderRejected:
      DrawLayerMessage(surface, viewRect, UNSUPPORTED_VERSION_TEXT);
      return;
    case WalkResult::Completed:
      break;
  }

  double centreHourAngle = 0.0;
  double centreDeclination = 0.0;
  observer->HorizontalToEquatorial(cap.azimuth, cap.altitude, centreHourAngle,
                                   centreDeclination);
  double low = 0.0;
  double high = 0.0;
  LatitudeBand(centreDeclination, cap.radius, low, high);
  const CapPrefilter prefilter(*observer, cap);

  while (const uint8_t* bytes = file.Next()) {
    const ConstellationSegment s = DecodeSegment(bytes);
    if (!IsUsablePosition(s.rightAscension1, s.declination1) ||
        !IsUsablePosition(s.rightAscension2, s.declination2)) {
      continue;
    }
    if (!InBand(s.declination1, low, high) && !InBand(s.declination2, low, high)) continue;
    if (prefilter.CertainlyOutside(s.rightAscension1 - siderealAngle, s.declination1) &&
        prefilter.CertainlyOutside(s.rightAscension2 - siderealAngle, s.declination2)) {
      continue;
    }

    double azimuth1 = 0.0;
    double altitude1 = 0.0;
    double azimuth2 = 0.0;
    double altitude2 = 0.0;
    observer->EquatorialToHorizontal(s.rightAscension1 - siderealAngle, s.declination1,
                                     azimuth1, altitude1);
    observer->EquatorialToHorizontal(s.rightAscension2 - siderealAngle, s.declination2,
                                     azimuth2, altitude2);
    if (!cap.Contains(azimuth1, altitude1) && !cap.Contains(azimuth2, altitude2)) continue;

    // No test against viewRect: an end far outside is left to the surface's clipping.
    const Point ends[2] = {ProjectToScreen(*this, azimuth1, altitude1),
                           ProjectToScreen(*this, azimuth2, altitude2)};
    surface.Polyline(ends, 2);
  }
}

}  // namespace halvane
