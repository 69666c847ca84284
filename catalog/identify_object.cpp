// Identification of a tapped object: the Labels.dat record nearest to the tapped point on the
// sphere, accepted within a tenth of the field of view.
#include "catalog/identify_object.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "platform/code_page.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

// Relative room left to rounding when a record is passed over by its declination alone.
constexpr double PRUNE_SLACK = 1e-9;

// The converted name always leaves room for the terminator, even when the record's field
// has no zero byte of its own.
void CopyName(const char* bytes, PickedLabel& label) {
  const std::u16string name = Windows1252ToUtf16(bytes, LABEL_NAME_UNITS - 1);
  const size_t count = std::min(name.size(), static_cast<size_t>(LABEL_NAME_UNITS - 1));
  std::fill(std::begin(label.name), std::end(label.name), u'\0');
  std::copy_n(name.begin(), count, label.name);
}

}  // namespace

void IdentifyObject(const Projection& projection, const LayerSet& layers, PickedLabel& label,
                    int32_t x, int32_t y, const SkyPlaces& sky,
                    std::span<const TapTarget> targets) {
  const double fieldOfView = projection.GetFieldOfView();
  double rightAscension = 0.0;
  double declination = 0.0;
  projection.ScreenToSky(sky, x, y, rightAscension, declination);

  // The true angle on the sphere, compared as its haversine (which grows with it): wraps at
  // 0h and stays honest near the poles.
  const double cosDeclination = std::cos(declination);
  double best = 1.0;  // past the largest haversine, that of half a turn
  bool found = false;
  // Half the largest separation that may still win: the nearer of the best so far and the
  // accepted tenth of the field. A record further in declination alone is passed over without
  // its sines, since its haversine is at least that of the declination step.
  const double acceptedHalf = 0.05 * fieldOfView;
  double reachHalf = std::min(HALF_PI, acceptedHalf);
  LabelRecord record{};
  TapTarget candidate{};
  const auto consider = [&](double targetRightAscension, double targetDeclination) {
    if (!IsUsablePosition(targetRightAscension, targetDeclination)) return false;
    if (std::fabs(targetDeclination) <= HALF_PI &&
        std::fabs((targetDeclination - declination) * 0.5) > reachHalf * (1.0 + PRUNE_SLACK)) {
      return false;
    }
    const double sinHalfAlpha = std::sin((targetRightAscension - rightAscension) * 0.5);
    const double sinHalfDelta = std::sin((targetDeclination - declination) * 0.5);
    const double haversine = sinHalfDelta * sinHalfDelta + cosDeclination *
                                                               std::cos(targetDeclination) *
                                                               sinHalfAlpha * sinHalfAlpha;
    if (!(haversine < best)) return false;  // strictly: the first of equals wins
    best = haversine;
    found = true;
    reachHalf = std::min(std::asin(std::sqrt(best)), acceptedHalf);
    return true;
  };
  RecordFile file(LABEL_RECORD_SIZE);
  if (file.Open(layers.labelsPath, "") == WalkResult::Completed) {
    while (const uint8_t* bytes = file.Next()) {
      const LabelRecord next = DecodeLabel(bytes);
      if (consider(next.rightAscension, next.declination)) {
        record = next;
        candidate = {record.rightAscension, record.declination, record.name};
      }
    }
  }
  for (const TapTarget& target : targets) {
    if (consider(target.rightAscension, target.declination)) candidate = target;
  }
  if (!found || 2.0 * std::asin(std::sqrt(best)) > 0.1 * fieldOfView) return;

  double labelAzimuth = 0.0;
  double labelAltitude = 0.0;
  projection.SkyToHorizontal(sky, candidate.rightAscension, candidate.declination, labelAzimuth,
                             labelAltitude);
  const Point at = projection.HorizontalToScreen(labelAzimuth, labelAltitude);
  label.x = at.x;
  label.y = at.y;
  CopyName(candidate.name, label);
}

}  // namespace halvane
