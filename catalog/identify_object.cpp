// Identification of a tapped object: the Labels.dat record nearest to the tapped point on the
// sphere, accepted within a tenth of the field of view.
#include "catalog/identify_object.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/sky_label_names.h"
#include "platform/code_page.h"
#include "platform/utf8_text.h"
#include "view/layer_set.h"
#include "view/projection.h"

namespace halvane {

namespace {

// The converted name always leaves room for the terminator, even when the record's field
// has no zero byte of its own.
void CopyName(const std::u16string& name, PickedLabel& label) {
  const size_t count = std::min(name.size(), static_cast<size_t>(LABEL_NAME_UNITS - 1));
  std::fill(std::begin(label.name), std::end(label.name), u'\0');
  std::copy_n(name.begin(), count, label.name);
}

// Relative room left to rounding when an object is passed over by its declination alone.
constexpr double PRUNE_SLACK = 1e-9;

struct Nearby {
  TapTarget target;
  Direction direction;
  std::u16string name;
  double haversine;  // from the tap
};

constexpr double CLOSE_PIXELS = 2.0;  // objects this close to the nearest compete on brightness

// The haversine of the angle between two directions: a quarter of the squared chord, honest at
// 0h, near the poles and for the smallest angles.
double Haversine(const Direction& a, const Direction& b) {
  const double x = a.x - b.x;
  const double y = a.y - b.y;
  const double z = a.z - b.z;
  return 0.25 * (x * x + y * y + z * z);
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
  // so that a label wins a tie. An object further in declination alone is passed over without
  // its sines, since its haversine is at least that of the declination step.
  const double acceptedHaversine = HaversineOf(0.1 * fieldOfView);
  const double acceptedHalf = 0.05 * fieldOfView * (1.0 + PRUNE_SLACK);
  const Direction tap = DirectionOf(rightAscension, declination);
  // Whether the target lies within the accepted distance, with its direction (known: already
  // worked out) and its haversine from the tap.
  const auto near = [&](const TapTarget& target, const Direction* known, Direction& direction,
                        double& h) {
    if (!IsUsablePosition(target.rightAscension, target.declination)) return false;
    if (std::fabs(target.declination) <= HALF_PI &&
        std::fabs((target.declination - declination) * 0.5) > acceptedHalf) {
      return false;
    }
    direction = known != nullptr ? *known : DirectionOf(target.rightAscension, target.declination);
    h = Haversine(tap, direction);
    return h <= acceptedHaversine;
  };
  std::vector<Nearby> nearby;
  double h = 0.0;
  Direction direction;
  uint32_t number = 0;  // of the record in Labels.dat
  const auto offer = [&](const LabelRecord& record, std::optional<int32_t> magnitude,
                         const Direction* known) {
    const ObjectRef object{ObjectSource::Label, number++};
    TapTarget target{record.rightAscension, record.declination, nullptr, object};
    if (!near(target, known, direction, h)) return;
    if (magnitude) target.magnitude = *magnitude / 100.0;
    nearby.push_back({target, direction, Windows1252ToUtf16(record.name, LABEL_NAME_BYTES - 1), h});
  };
  if (names != nullptr) {
    for (const SkyLabelNames::Label& known : names->Labels()) {
      offer(known.record, known.magnitude, &known.direction);
    }
  } else {
    RecordFile file(LABEL_RECORD_SIZE);
    if (file.Open(layers.labelsPath, "") == WalkResult::Completed) {
      while (const uint8_t* bytes = file.Next()) offer(DecodeLabel(bytes), std::nullopt, nullptr);
    }
  }
  for (const TapTarget& target : targets) {
    if (near(target, nullptr, direction, h)) {
      nearby.push_back({target, direction, Utf8ToUtf16(target.name), h});
    }
  }
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
    const double apart = Haversine(n.direction, nearest->direction);
    if (apart <= closeHaversine && n.target.magnitude < chosen->target.magnitude) chosen = &n;
  }

  const Point at = projection.HorizontalToScreen(
      projection.SkyToHorizontal(sky, chosen->target.rightAscension, chosen->target.declination));
  label.x = at.x;
  label.y = at.y;
  label.object = chosen->target.object;
  CopyName(chosen->name, label);
}

}  // namespace halvane
