// The label overlay: nothing without a label, else the name in green from its pixel, unclipped.
#include "chart/label_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_surface.h"

namespace halvane {
namespace {

TEST(LabelOverlay, WritesTheNameUpToItsTerminatorFromItsPixel) {
  RecordingSurface surface;
  const Rect chart{0, 0, 240, 294};
  DrawLabelOverlay(surface, PickedLabel{}, chart);
  DrawLabelOverlay(surface, PickedLabel{0, 50, u"On the left edge"}, chart);
  EXPECT_TRUE(surface.Lines().empty()) << "a zero coordinate means no label";

  PickedLabel full{100, 120, {}};
  for (char16_t& unit : full.name) unit = u'x';  // no terminator: all 20 units
  DrawLabelOverlay(surface, PickedLabel{100, 120, u"Vega"}, chart);
  DrawLabelOverlay(surface, full, chart);
  const std::vector<std::string> expected = {
      "textcolor 7FFF7F",
      "transparent",
      "text 100 120 240 294 256 \"Vega\"",
      "textcolor 7FFF7F",
      "transparent",
      "text 100 120 240 294 256 \"" + std::string(20, 'x') + "\"",
  };
  EXPECT_EQ(surface.Lines(), expected);
}

}  // namespace
}  // namespace halvane
