// Names by importance on a crafted frame: the Moon over a planet, a bright star over a
// constellation, a Messier object over a faint nebula, nothing in a kept-out box, and each name
// written over its halo in a colour that reads against the day sky behind it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "chart/label_placement.h"
#include "platform/recording_surface.h"
#include "tests/support/trace_lines.h"

namespace halvane {
namespace {

using test_support::QuotedText;
using test_support::StartsWith;

double Luminance(Color c) {
  const auto linear = [](uint8_t channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

double Contrast(Color a, Color b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color ColorOfLine(const std::string& line) {
  const auto rgb = static_cast<Color>(std::stoul(line.substr(line.find(' ') + 1), nullptr, 16));
  return MakeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

TEST(LabelPriority, TheMoreImportantNameWinsAndEveryNameReadsOnItsHalo) {
  const Rect chart{0, 0, 240, 294};
  const Color grey = MakeColor(0xA0, 0xA0, 0xB0);
  // Pairs at one point each, the loser listed first: the placement must not care.
  std::vector<LabelCandidate> names = {
      {60, 40, 0, u"Jupiter", LabelRank::Body, -2.5, grey, true},
      {60, 40, 0, u"Moon", LabelRank::Body, -12.0, grey, true},
      {60, 120, 0, u"Pegasus", LabelRank::Constellation, 0.0, grey, true},
      {60, 120, 0, u"Fomalhaut", LabelRank::Star, 1.16, grey, true},
      {60, 200, 0, u"Ced 55a", LabelRank::FaintDeepSky, 14.0, grey, true},
      {60, 200, 0, u"M42 Orion Nebula", LabelRank::DeepSky, 4.0, grey, true},
      {200, 270, 0, u"Sirius", LabelRank::Star, -1.46, grey, true},  // under the kept-out box
  };
  const Rect keptOut[1] = {{180, 250, 240, 294}};
  RecordingSurface surface;
  const std::vector<PlacedLabel> placed = PlaceLabels(names, keptOut, surface, chart);
  std::vector<std::u16string> written;
  for (const PlacedLabel& p : placed) written.push_back(names[p.candidate].text);
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::u16string>{u"Fomalhaut", u"M42 Orion Nebula", u"Moon"}));

  // Noon in Paris, looking south: a pale blue sky behind every name.
  Observer observer;
  observer.SetLocation(-2.35, 48.85);
  Projection projection(chart);
  projection.SetViewDirection(PI, 0.5);
  const SkyLight day = SkyLightToward(DirectionOf(PI, 18.0 * DEG_TO_RAD));
  ASSERT_FALSE(day.dark);
  FitNamesToSky(names, placed, projection, day);
  DrawPlacedLabels(surface, names, placed, chart);
  int labels = 0;
  const std::vector<std::string>& lines = surface.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!StartsWith(lines[i], "label ")) continue;
    ++labels;
    // Before the note: the halo's colour, four shifted copies, the text's colour, the text.
    ASSERT_GE(i, 7u);
    ASSERT_TRUE(StartsWith(lines[i - 7], "textcolor ")) << lines[i - 7];
    ASSERT_TRUE(StartsWith(lines[i - 2], "textcolor ")) << lines[i - 2];
    const Color halo = ColorOfLine(lines[i - 7]);
    const Color text = ColorOfLine(lines[i - 2]);
    EXPECT_GE(Contrast(text, halo), 4.5) << QuotedText(lines[i]);
    EXPECT_GT(BlueOf(halo), RedOf(halo)) << "the sky's blue";
    for (size_t k = i - 6; k < i - 2; ++k) EXPECT_EQ(QuotedText(lines[k]), QuotedText(lines[i]));
  }
  EXPECT_EQ(labels, 3);
}

}  // namespace
}  // namespace halvane
