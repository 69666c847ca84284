// The label placement over many random charts: names never overlap each other, the keep-out
// boxes or the edge; the more important name wins a contested place; the catalog's order
// changes nothing.
#include "chart/label_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "platform/recording_surface.h"

namespace halvane {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<LabelCandidate> RandomCandidates(std::mt19937& random, const Rect& chart, int count) {
  std::uniform_real_distribution<double> x(chart.left - 20, chart.right + 20);
  std::uniform_real_distribution<double> y(chart.top - 20, chart.bottom + 20);
  std::uniform_int_distribution<int> rank(0, 4);
  std::uniform_int_distribution<int> length(1, 12);
  std::uniform_real_distribution<double> magnitude(-2.0, 6.0);
  std::vector<LabelCandidate> candidates;
  for (int i = 0; i < count; ++i) {
    LabelCandidate c;
    c.x = x(random);
    c.y = y(random);
    c.keepOut = rank(random) == 1 ? 4.0 : 0.0;
    c.text = std::u16string(static_cast<size_t>(length(random)), u'a' + i % 26) + u'#' +
             static_cast<char16_t>(u'0' + i % 10);
    c.rank = static_cast<LabelRank>(rank(random));
    c.magnitude = magnitude(random);
    c.centred = c.rank == LabelRank::Constellation;
    candidates.push_back(c);
  }
  return candidates;
}

using Placement = std::vector<std::tuple<std::u16string, int32_t, int32_t>>;

Placement Described(const std::vector<LabelCandidate>& candidates,
                    const std::vector<PlacedLabel>& placed) {
  Placement described;
  for (const PlacedLabel& p : placed) {
    described.emplace_back(candidates[p.candidate].text, p.box.left, p.box.top);
  }
  std::sort(described.begin(), described.end());
  return described;
}

TEST(LabelPlacement, RandomChartsKeepNamesApartInsideAndByImportanceInAnyOrder) {
  std::mt19937 random(17);
  const RecordingSurface surface;  // the fixed-width estimate: the same on every machine
  int placedTotal = 0;
  int leftOut = 0;
  for (int chartIndex = 0; chartIndex < 200; ++chartIndex) {
    const Rect chart{0, 0, 120 + chartIndex % 7 * 60, 150 + chartIndex % 5 * 80};
    const std::vector<Rect> keepOut = {
        {chart.right - 66, chart.bottom - 66, chart.right, chart.bottom}};
    std::vector<LabelCandidate> candidates = RandomCandidates(random, chart, 120);
    const std::vector<PlacedLabel> placed = PlaceLabels(candidates, keepOut, surface, chart);
    for (size_t i = 0; i < placed.size(); ++i) {
      const Rect& box = placed[i].box;
      ASSERT_TRUE(box.left >= chart.left && box.top >= chart.top && box.right <= chart.right &&
                  box.bottom <= chart.bottom);
      ASSERT_FALSE(Overlap(box, keepOut.front()));
      for (const LabelCandidate& c : candidates) {
        if (c.keepOut <= 0.0) continue;
        const Rect disc{
            static_cast<int32_t>(c.x - c.keepOut) + 1, static_cast<int32_t>(c.y - c.keepOut) + 1,
            static_cast<int32_t>(c.x + c.keepOut), static_cast<int32_t>(c.y + c.keepOut)};
        ASSERT_FALSE(Overlap(box, disc)) << "a name over a disc";
      }
      for (size_t j = i + 1; j < placed.size(); ++j) ASSERT_FALSE(Overlap(box, placed[j].box));
    }
    placedTotal += static_cast<int>(placed.size());
    leftOut += static_cast<int>(candidates.size() - placed.size());

    std::vector<LabelCandidate> shuffled = candidates;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    ASSERT_EQ(Described(shuffled, PlaceLabels(shuffled, keepOut, surface, chart)),
              Described(candidates, placed));
  }
  EXPECT_GT(placedTotal, 5000);
  EXPECT_GT(leftOut, 0) << "crowded charts leave names out";

  // Two names wanting the same four places around one point: the planet's goes right, the
  // star's takes the next free place; a constellation centred there finds no room.
  const Rect chart{0, 0, 240, 294};
  const std::vector<LabelCandidate> crowd = {
      {100, 100, 0, u"Star", LabelRank::Star, 1.0, 0, false},
      {100, 100, 0, u"Saturn", LabelRank::Body, 0.5, 0, false},
      {100, 100, 0, u"Orion", LabelRank::Constellation, 0.0, 0, true},
  };
  const Placement got = Described(crowd, PlaceLabels(crowd, {}, surface, chart));
  const Placement expected = {{u"Saturn", 102, 94}, {u"Star", 74, 94}};
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace halvane
