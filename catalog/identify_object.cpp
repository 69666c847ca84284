// Identification of a tapped object: the Labels.dat record nearest to the tapped point, in
// raw right ascension and declination radians, accepted within a tenth of the field of view.
#include "catalog/identify_object.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
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
                    int32_t x, int32_t y, double siderealAngle) {
  const Observer* observer = &projection.GetObserver();
  const double fieldOfView = projection.GetFieldOfView();
  double u = 0.0;
  double v = 0.0;
  projection.ScreenToView(x, y, u, v);
  double azimuth = 0.0;
  double altitude = 0.0;
  observer->ViewToHorizontal(u, v, azimuth, altitude);
  double hourAngle = 0.0;
  double declination = 0.0;
  observer->HorizontalToEquatorial(azimuth, altitude, hourAngle, declination);
  const double rightAscension = NormalizeAngle((TWO_PI + hourAngle) + siderealAngle, TWO_PI);

  // Raw radians: the right-ascension difference is neither wrapped at 0/2 pi nor scaled by
  // cos(declination), so near 0h and near the poles a close object can be missed.
  double best = fieldOfView * fieldOfView;
  bool found = false;
  LabelRecord candidate{};
  RecordFile file(LABEL_RECORD_SIZE);
  if (file.Open(layers.labelsPath, "") == WalkResult::Completed) {
    while (const uint8_t* bytes = file.Next()) {
      const LabelRecord record = DecodeLabel(bytes);
      if (!IsUsablePosition(record.rightAscension, record.declination)) continue;
      const double dAlpha = record.rightAscension - rightAscension;
      const double dDelta = record.declination - declination;
      const double distanceSquared = dDelta * dDelta + dAlpha * dAlpha;
      if (distanceSquared < best) {  // strictly: the first of equals wins
        best = distanceSquared;
        candidate = record;
        found = true;
      }
    }
  }
  if (!found || std::sqrt(best) > 0.1 * fieldOfView) return;

  double labelAzimuth = 0.0;
  double labelAltitude = 0.0;
  observer->EquatorialToHorizontal(candidate.rightAscension - siderealAngle, candidate.declination,
                                   labelAzimuth, labelAltitude);
  const Point at = ProjectToScreen(projection, labelAzimuth, labelAltitude);
  label.x = at.x;
  label.y = at.y;
  CopyName(candidate, label);
}

}  // namespace halvane
