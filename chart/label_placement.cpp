// Greedy label placement over a coarse grid of the chart, so that each test looks only at the
// boxes near the name instead of at every name placed so far.
#include "chart/label_placement.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <tuple>

#include "platform/recording_surface.h"

namespace halvane {

namespace {

constexpr int32_t GAP = 2;               // pixels between a point's keep-out and its name
constexpr int32_t HALF_HEIGHT = 6;       // beside a point, a name's top lies this far above it
constexpr int32_t CELL = 32;             // pixels of a grid cell
constexpr double PINNED_KEEP_OUT = 3.0;  // the tapped star's sprite stays clear
constexpr double SAME_POINT = 2.0;       // pixels: a tap's point and a name's are one object

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& box, const Rect& chart) {
  return box.left >= chart.left && box.top >= chart.top && box.right <= chart.right &&
         box.bottom <= chart.bottom;
}

// The boxes taken so far, filed under every cell they touch.
class Occupancy {
 public:
  explicit Occupancy(const Rect& chart)
      : chart(chart),
        columns(std::max(1, (chart.Width() + CELL - 1) / CELL)),
        rows(std::max(1, (chart.Height() + CELL - 1) / CELL)),
        cells(static_cast<size_t>(columns) * rows) {}

  bool IsFree(const Rect& box) const {
    bool free = true;
    ForCells(box, [&](const std::vector<Rect>& cell) {
      for (const Rect& taken : cell) free = free && !Overlap(box, taken);
    });
    return free;
  }

  void Take(const Rect& box) {
    ForCells(box, [&](std::vector<Rect>& cell) { cell.push_back(box); });
  }

 private:
  template <typename Cells, typename Each>
  static void Visit(Cells& self, const Rect& box, Each each) {
    const int32_t c0 = std::clamp((box.left - self.chart.left) / CELL, 0, self.columns - 1);
    const int32_t c1 = std::clamp((box.right - 1 - self.chart.left) / CELL, 0, self.columns - 1);
    const int32_t r0 = std::clamp((box.top - self.chart.top) / CELL, 0, self.rows - 1);
    const int32_t r1 = std::clamp((box.bottom - 1 - self.chart.top) / CELL, 0, self.rows - 1);
    for (int32_t r = r0; r <= r1; ++r) {
      for (int32_t c = c0; c <= c1; ++c)
        each(self.cells[static_cast<size_t>(r) * self.columns + c]);
    }
  }
  template <typename Each>
  void ForCells(const Rect& box, Each each) const {
    Visit(*this, box, each);
  }
  template <typename Each>
  void ForCells(const Rect& box, Each each) {
    Visit(*this, box, each);
  }

  Rect chart;
  int32_t columns;
  int32_t rows;
  std::vector<std::vector<Rect>> cells;
};

Rect KeepOutBox(const LabelCandidate& c) {
  const double k = std::max(0.0, c.keepOut);
  return {static_cast<int32_t>(std::floor(c.x - k)), static_cast<int32_t>(std::floor(c.y - k)),
          static_cast<int32_t>(std::ceil(c.x + k)) + 1,
          static_cast<int32_t>(std::ceil(c.y + k)) + 1};
}

// The places a name tries, best first: right of its point, left, above, below; a centred name
// only over its point.
int32_t Places(const LabelCandidate& c, const TextSize& size, Rect places[4]) {
  const int32_t x = static_cast<int32_t>(c.x);
  const int32_t y = static_cast<int32_t>(c.y);
  const int32_t w = size.width;
  const int32_t h = size.height;
  if (c.centred) {
    places[0] = {x - w / 2, y - h / 2, x - w / 2 + w, y - h / 2 + h};
    return 1;
  }
  const auto k = static_cast<int32_t>(std::ceil(std::max(0.0, c.keepOut)));
  const int32_t right = static_cast<int32_t>(c.x + std::max(0.0, c.keepOut)) + GAP;
  places[0] = {right, y - HALF_HEIGHT, right + w, y - HALF_HEIGHT + h};
  places[1] = {x - k - GAP - w, y - HALF_HEIGHT, x - k - GAP, y - HALF_HEIGHT + h};
  places[2] = {x - w / 2, y - k - GAP - h, x - w / 2 + w, y - k - GAP};
  places[3] = {x - w / 2, y + k + GAP + 1, x - w / 2 + w, y + k + GAP + 1 + h};
  return 4;
}

bool Before(const LabelCandidate& a, const LabelCandidate& b) {
  return std::tie(a.rank, a.magnitude, a.text, a.x, a.y, a.keepOut) <
         std::tie(b.rank, b.magnitude, b.text, b.x, b.y, b.keepOut);
}

}  // namespace

std::vector<PlacedLabel> PlaceLabels(std::span<const LabelCandidate> candidates,
                                     std::span<const Rect> keepOut, const Surface& surface,
                                     const Rect& chart, FrameNames* remember) {
  std::vector<size_t> order(candidates.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return Before(candidates[a], candidates[b]); });

  Occupancy occupancy(chart);
  std::vector<Rect> taken(keepOut.begin(), keepOut.end());
  for (const LabelCandidate& c : candidates) {
    if (c.keepOut > 0.0) taken.push_back(KeepOutBox(c));
  }
  for (const Rect& box : taken) occupancy.Take(box);

  std::vector<std::u16string_view> pinned;
  std::vector<PlacedLabel> placed;
  for (const size_t index : order) {
    const LabelCandidate& c = candidates[index];
    if (c.text.empty() || !std::isfinite(c.x) || !std::isfinite(c.y)) continue;
    if (std::abs(c.x) > 1.0e6 || std::abs(c.y) > 1.0e6) continue;
    if (c.rank != LabelRank::Pinned &&
        std::find(pinned.begin(), pinned.end(), c.text) != pinned.end()) {
      continue;  // the tapped or found object already carries this name
    }
    Rect places[4];
    const int32_t count = Places(c, surface.MeasureText(c.text), places);
    for (int32_t i = 0; i < count; ++i) {
      if (!Inside(places[i], chart) || !occupancy.IsFree(places[i])) continue;
      occupancy.Take(places[i]);
      placed.push_back({places[i], index});
      if (c.rank == LabelRank::Pinned) pinned.push_back(c.text);
      break;
    }
  }
  if (remember != nullptr) {
    *remember = FrameNames{};
    remember->taken = std::move(taken);
    for (const PlacedLabel& label : placed) {
      remember->taken.push_back(label.box);
      remember->written.push_back(candidates[label.candidate]);
      remember->boxes.push_back(label.box);
    }
  }
  return placed;
}

std::vector<PlacedLabel> PlaceOverFrame(const LabelCandidate& candidate, const FrameNames& frame,
                                        const Surface& surface, const Rect& chart) {
  for (size_t i = 0; i < frame.written.size(); ++i) {
    const LabelCandidate& written = frame.written[i];
    if (written.text == candidate.text && std::abs(written.x - candidate.x) <= SAME_POINT &&
        std::abs(written.y - candidate.y) <= SAME_POINT) {
      return {{frame.boxes[i], 0}};
    }
  }
  const LabelCandidate one[1] = {candidate};
  return PlaceLabels(one, frame.taken, surface, chart);
}

std::vector<LabelCandidate> PinnedNames(const PickedLabel& label, Color color) {
  if (label.x == 0 || label.y == 0) return {};
  const std::u16string_view name(
      label.name, std::find(label.name, label.name + LABEL_NAME_UNITS, u'\0') - label.name);
  if (name.empty()) return {};
  return {{static_cast<double>(label.x), static_cast<double>(label.y), PINNED_KEEP_OUT,
           std::u16string(name), LabelRank::Pinned, 0.0, color, false}};
}

void FitNamesToSky(std::span<LabelCandidate> candidates, std::span<const PlacedLabel> placed,
                   const Projection& projection, const SkyLight& light) {
  for (const PlacedLabel& label : placed) {
    LabelCandidate& c = candidates[label.candidate];
    if (light.dark) {
      c.halo = light.background;
      continue;
    }
    double azimuth = 0.0;
    double altitude = 0.0;
    projection.ScreenToHorizontal((label.box.left + label.box.right) / 2,
                                  (label.box.top + label.box.bottom) / 2, azimuth, altitude);
    c.halo = SkyColorToward(light, DirectionOf(azimuth, altitude));
    c.color = ReadableOn(c.color, c.halo);
  }
}

void DrawPlacedLabels(Surface& surface, std::span<const LabelCandidate> candidates,
                      std::span<const PlacedLabel> placed, const Rect& chart) {
  for (const PlacedLabel& label : placed) {
    const LabelCandidate& c = candidates[label.candidate];
    const Rect& box = label.box;
    surface.DrawOutlinedText(
        c.text,
        Rect{box.left, box.top, std::max(box.left, chart.right), std::max(box.top, chart.bottom)},
        TEXT_LEFT | TEXT_NOCLIP, c.color, c.halo);
    std::string note = "label " + std::to_string(box.left) + ' ' + std::to_string(box.top) + ' ' +
                       std::to_string(box.right) + ' ' + std::to_string(box.bottom) + " \"";
    for (const char ch : ToUtf8(c.text)) {
      if (ch == '"' || ch == '\\') note += '\\';
      note += ch;
    }
    note += '"';
    surface.Note(note);
  }
}

}  // namespace halvane
