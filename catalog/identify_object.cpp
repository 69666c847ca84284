// Identification of a tapped object: the Labels.dat record nearest to the tapped point on the
// sphere, accepted within a tenth of the field of view.
#include "catalog/identify_object.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/sky_label_names.h"
#include "platform/code_page.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

// The converted name always leaves room for the terminator, even when the record's field
// has no zero byte of its own.
void CopyName(const char* bytes, PickedLabel& label) {
  const std::u16string name = Windows1252ToUtf16(bytes, LABEL_NAME_BYTES - 1);
  const size_t count = std::min(name.size(), static_cast<size_t>(LABEL_NAME_UNITS - 1));
  std::fill(std::begin(label.name), std::end(label.name), u'\0');
  std::copy_n(name.begin(), count, label.name);
}

struct Nearby {
  TapTarget target;
  std::string name;  // Windows-1252 for a label, ASCII for a target
  double haversine;  // from the tap
};

constexpr double CLOSE_PIXELS = 2.0;  // objects this close to the nearest compete on brightness

// The haversine of the angle between two directions, from their difference of right ascension
// and their declinations: grows with the angle, honest at 0h and near the poles.
double Haversine(double deltaRightAscension, double declination1, double declination2) {
  const double sinHalfAlpha = std::sin(deltaRightAscension * 0.5);
  const double sinHalfDelta = std::sin((declination2 - declination1) * 0.5);
  return sinHalfDelta * sinHalfDelta +
         std::cos(declination1) * std::cos(declination2) * sinHalfAlpha * sinHalfAlpha;
}

// The haversine of an angle (radians).
double HaversineOf(double angle) {
  const double s = std::sin(angle * 0.5);
  return s * s;
}

}  // namespace

void IdentifyObject(const Projection& projection, const LayerSet& layers, PickedLabel& label,
                    int32_t x, int32_t y, const SkyPlaces& sky, std::span<const TapTarget> targets,
                    const SkyLabelNames* names) {
  const double fieldOfView = projection.GetFieldOfView();
  double azimuth = 0.0;
  double altitude = 0.0;
  projection.ScreenToHorizontal(x, y, azimuth, altitude);
  if (layers.showGround && altitude < 0.0) return;  // the ground names nothing
  double rightAscension = 0.0;
  double declination = 0.0;
  projection.HorizontalToSky(sky, azimuth, altitude, rightAscension, declination);

  // Every object within the accepted distance, with its haversine from the tap; labels first,
  // so that a label wins a tie.
  const double acceptedHaversine = HaversineOf(0.1 * fieldOfView);
  std::vector<Nearby> nearby;
  const auto consider = [&](const TapTarget& target, std::string name) {
    if (!IsUsablePosition(target.rightAscension, target.declination)) return;
    const double h =
        Haversine(target.rightAscension - rightAscension, declination, target.declination);
    if (h <= acceptedHaversine) nearby.push_back({target, std::move(name), h});
  };
  RecordFile file(LABEL_RECORD_SIZE);
  if (file.Open(layers.labelsPath, "") == WalkResult::Completed) {
    while (const uint8_t* bytes = file.Next()) {
      const LabelRecord record = DecodeLabel(bytes);
      TapTarget target{record.rightAscension, record.declination, nullptr};
      if (names != nullptr) {
        if (const auto magnitude =
                names->StarMagnitudeAt(record.rightAscension, record.declination)) {
          target.magnitude = *magnitude / 100.0;
        }
      }
      consider(target, std::string(record.name, strnlen(record.name, LABEL_NAME_BYTES)));
    }
  }
  for (const TapTarget& target : targets) consider(target, target.name);
  if (nearby.empty()) return;

  // strictly: the first of equals wins
  const Nearby* nearest = &nearby.front();
  for (const Nearby& n : nearby) {
    if (n.haversine < nearest->haversine) nearest = &n;
  }
  const double pixels = std::max(projection.GetXScale(), 1e-9);
  const double closeHaversine = HaversineOf(CLOSE_PIXELS / pixels);
  const Nearby* chosen = nearest;
  for (const Nearby& n : nearby) {
    const double apart = Haversine(n.target.rightAscension - nearest->target.rightAscension,
                                   nearest->target.declination, n.target.declination);
    if (apart <= closeHaversine && n.target.magnitude < chosen->target.magnitude) chosen = &n;
  }

  double labelAzimuth = 0.0;
  double labelAltitude = 0.0;
  projection.SkyToHorizontal(sky, chosen->target.rightAscension, chosen->target.declination,
                             labelAzimuth, labelAltitude);
  const Point at = projection.HorizontalToScreen(labelAzimuth, labelAltitude);
  label.x = at.x;
  label.y = at.y;
  CopyName(chosen->name.c_str(), label);
}

}  // namespace halvane
