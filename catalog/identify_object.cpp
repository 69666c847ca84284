// Identification of a tapped object: the Labels.dat record nearest to the tapped point on the
// sphere, accepted within a tenth of the field of view.
#include "catalog/identify_object.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "platform/code_page.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

// The converted name always leaves room for the terminator, even when the record's field
// has no zero byte of its own.
void CopyName(const LabelRecord& record, PickedLabel& label) {
  const std::u16string name = Windows1252ToUtf16(record.name, LABEL_NAME_UNITS - 1);
  const size_t count = std::min(name.size(), static_cast<size_t>(LABEL_NAME_UNITS - 1));
  std::fill(std::begin(label.name), std::end(label.name), u'\0');
  std::copy_n(name.begin(), count, label.name);
}

}  // namespace

void IdentifyObject(const Projection& projection, const LayerSet& layers, PickedLabel& label,
                    int32_t x, int32_t y, const SkyPlaces& sky) {
  const Observer* observer = &projection.GetObserver();
  const double fieldOfView = projection.GetFieldOfView();
  double u = 0.0;
  double v = 0.0;
  projection.ScreenToView(x, y, u, v);
  double azimuth = 0.0;
  double altitude = 0.0;
  observer->ViewToHorizontal(u, v, azimuth, altitude);
  double rightAscension = 0.0;
  double declination = 0.0;
  sky.FromHorizontal(*observer, azimuth, altitude, rightAscension, declination);

  // The true angle on the sphere, compared as its haversine (which grows with it): wraps at
  // 0h and stays honest near the poles.
  const double cosDeclination = std::cos(declination);
  double best = 1.0;  // past the largest haversine, that of half a turn
  bool found = false;
  LabelRecord candidate{};
  RecordFile file(LABEL_RECORD_SIZE);
  if (file.Open(layers.labelsPath, "") == WalkResult::Completed) {
    while (const uint8_t* bytes = file.Next()) {
      const LabelRecord record = DecodeLabel(bytes);
      if (!IsUsablePosition(record.rightAscension, record.declination)) continue;
      const double sinHalfAlpha = std::sin((record.rightAscension - rightAscension) * 0.5);
      const double sinHalfDelta = std::sin((record.declination - declination) * 0.5);
      const double haversine = sinHalfDelta * sinHalfDelta + cosDeclination *
                                                                 std::cos(record.declination) *
                                                                 sinHalfAlpha * sinHalfAlpha;
      if (haversine < best) {  // strictly: the first of equals wins
        best = haversine;
        candidate = record;
        found = true;
      }
    }
  }
  if (!found || 2.0 * std::asin(std::sqrt(best)) > 0.1 * fieldOfView) return;

  double labelAzimuth = 0.0;
  double labelAltitude = 0.0;
  sky.ToHorizontal(*observer, candidate.rightAscension, candidate.declination, labelAzimuth,
                   labelAltitude);
  const Point at = ProjectToScreen(projection, labelAzimuth, labelAltitude);
  label.x = at.x;
  label.y = at.y;
  CopyName(candidate, label);
}

}  // namespace halvane
