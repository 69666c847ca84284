// Sorting Labels.dat's names and placing them as name candidates.
#include "catalog/sky_label_names.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "astro/angles.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "catalog/sky_names.h"
#include "platform/code_page.h"
#include "view/layer_set.h"
#include "view/projection.h"
#include "view/star_sprites.h"
#include "view/visible_cap.h"

namespace halvane {

namespace {

constexpr int32_t NAME_LIMIT_AT_HALF_TURN = 50;  // hundredths: the brightest few at 180 degrees
constexpr int32_t SPRITE_KEEP_OUT = 3;           // pixels of a named star's sprite kept clear

// Where a catalog direction lands on the chart; false outside the visible cap or, when asked,
// below the horizon.
bool Place(const Projection& projection, const VisibleCap& cap, const SkyPlaces& sky,
           const NamedPoint& point, bool aboveHorizonOnly, double& x, double& y) {
  const Direction horizontal =
      projection.SkyToHorizontal(sky, point.rightAscension, point.declination);
  if (!cap.Contains(horizontal)) return false;
  if (aboveHorizonOnly && horizontal.z < 0.0) return false;
  projection.HorizontalToPixel(horizontal, x, y);
  return true;
}

}  // namespace

void SkyLabelNames::Load(const LayerSet& layers) {
  const FileState labelsNow = StateOf(layers.labelsPath);
  const FileState starsNow = StateOf(layers.starsPath);
  if (loaded && labelsPath == layers.labelsPath && starsPath == layers.starsPath &&
      labelsState == labelsNow && starsState == starsNow) {
    return;
  }
  loaded = true;
  labelsPath = layers.labelsPath;
  starsPath = layers.starsPath;
  labelsState = labelsNow;
  starsState = starsNow;
  stars.clear();
  constellations.clear();
  starMagnitudes.clear();
  labels.clear();

  RecordFile labelFile(LABEL_RECORD_SIZE);
  const WalkResult read = labelFile.Open(labelsPath, "");
  if (read == WalkResult::TooLarge) ReportTooLarge(labelFile, labelsPath);
  if (read != WalkResult::Completed) return;
  while (const uint8_t* bytes = labelFile.Next()) {
    const LabelRecord record = DecodeLabel(bytes);
    labels.push_back({record, {}, DirectionOf(record.rightAscension, record.declination)});
  }

  // The few hundred labels' places, then one pass over Stars.dat keeps the brightest star
  // standing exactly at each (no star: INT32_MAX).
  using Place = std::pair<double, double>;
  std::vector<std::pair<Place, int32_t>> brightest;
  for (const Label& label : labels) {
    if (IsFinite(label.record)) {
      brightest.push_back({{label.record.rightAscension, label.record.declination}, INT32_MAX});
    }
  }
  std::sort(brightest.begin(), brightest.end());
  brightest.erase(std::unique(brightest.begin(), brightest.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  brightest.end());
  const auto at = [&](const Place& place) {
    const auto found =
        std::lower_bound(brightest.begin(), brightest.end(), std::make_pair(place, INT32_MIN));
    return found != brightest.end() && found->first == place ? found : brightest.end();
  };
  RecordFile starFile(STAR_RECORD_SIZE);
  if (starFile.Open(starsPath, STARS_TAG) == WalkResult::Completed) {
    while (const uint8_t* bytes = starFile.Next()) {
      const StarRecord star = DecodeStar(bytes);
      const auto place = at({star.rightAscension, star.declination});
      if (place != brightest.end())
        place->second = std::min<int32_t>(place->second, star.magnitude);
    }
  }

  for (const Label& entry : labels) {
    const LabelRecord& label = entry.record;
    if (!IsFinite(label)) continue;
    NamedPoint point{label.rightAscension, label.declination,
                     Windows1252ToUtf16(label.name, LABEL_NAME_BYTES - 1), 0};
    if (point.name.empty()) continue;
    const Place place{label.rightAscension, label.declination};
    const auto star = at(place);
    if (star != brightest.end() && star->second != INT32_MAX) {
      point.magnitude = star->second;
      starMagnitudes.push_back({place, star->second});
      stars.push_back(std::move(point));
    } else if (!IsMessierName(FieldText(label.name))) {
      constellations.push_back(std::move(point));
    }
  }
  std::sort(starMagnitudes.begin(), starMagnitudes.end());
  for (Label& label : labels) {
    label.magnitude = StarMagnitudeAt(label.record.rightAscension, label.record.declination);
  }
}

std::optional<int32_t> SkyLabelNames::StarMagnitudeAt(double rightAscension,
                                                      double declination) const {
  const std::pair<double, double> place{rightAscension, declination};
  const auto found = std::lower_bound(starMagnitudes.begin(), starMagnitudes.end(),
                                      std::make_pair(place, INT32_MIN));
  if (found == starMagnitudes.end() || found->first != place) return std::nullopt;
  return found->second;
}

int32_t StarNameLimit(double fieldOfView, int32_t starLimitOffset) {
  const double halvings = std::log2(PI / std::clamp(fieldOfView, PI / 1024, PI));
  return NAME_LIMIT_AT_HALF_TURN + static_cast<int32_t>(std::lround(100.0 * halvings)) +
         100 * starLimitOffset;
}

void AddStarNames(const Projection& projection, const SkyLabelNames& names, const SkyPlaces& sky,
                  int32_t faintest, bool aboveHorizonOnly, Color color,
                  std::vector<LabelCandidate>& candidates) {
  AddStarNames(projection, names.Stars(), sky, faintest, aboveHorizonOnly, color, candidates);
}

void AddStarNames(const Projection& projection, const std::vector<NamedPoint>& stars,
                  const SkyPlaces& sky, int32_t faintest, bool aboveHorizonOnly, Color color,
                  std::vector<LabelCandidate>& candidates) {
  const VisibleCap cap = VisibleCap::ForView(projection, 0.0);
  for (const NamedPoint& star : stars) {
    if (star.magnitude > faintest) continue;
    double x = 0.0;
    double y = 0.0;
    if (!Place(projection, cap, sky, star, aboveHorizonOnly, x, y)) continue;
    candidates.push_back(
        {x, y, SPRITE_KEEP_OUT, star.name, LabelRank::Star, star.magnitude / 100.0, color, false});
  }
}

void AddConstellationNames(const Projection& projection, const SkyLabelNames& names,
                           const LocalSkyNames& local, const SkyPlaces& sky, bool aboveHorizonOnly,
                           Color color, std::vector<LabelCandidate>& candidates) {
  const VisibleCap cap = VisibleCap::ForView(projection, 0.0);
  for (const NamedPoint& point : names.Constellations()) {
    double x = 0.0;
    double y = 0.0;
    if (!Place(projection, cap, sky, point, aboveHorizonOnly, x, y)) continue;
    candidates.push_back(
        {x, y, 0.0, local.Constellation(point.name), LabelRank::Constellation, 0.0, color, true});
  }
}

}  // namespace halvane
