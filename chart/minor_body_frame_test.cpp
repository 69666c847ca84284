// Comet C/1995 O1 in the evening sky of Paris on 1 April 1997: drawn and named with its tail
// when the layer is on, and with the layer off, or no elements, the frame of before.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "catalog/minor_body_reader.h"
#include "chart/chart.h"
#include "platform/recording_surface.h"
#include "tests/support/build_paths.h"
#include "tests/support/trace_lines.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

// The MPC's line as quoted in python3-skyfield's tests (see catalog/minor_body_test.cpp).
constexpr char COMET_LINE[] =
    "    CJ95O010  1997 03 29.6333  0.916241  0.994928  130.6448  283.3593   88.9908  20200224  "
    "-2.0  4.0  C/1995 O1 (Hale-Bopp)";

class NoSprites : public Bitmap {
 public:
  int32_t Width() const override { return 121; }
  int32_t Height() const override { return 77; }
  uint32_t PixelAt(int32_t, int32_t) const override { return 0; }
};

std::vector<std::string> CometFrame(const SharedMinorBodies& bodies, bool layerOn) {
  Observer observer;
  observer.SetLocation(-2.35, 48.85);
  Chart chart({0, 0, 240, 294}, std::make_unique<NoSprites>());
  // North-west, 30 degrees up: where the comet stood.
  chart.GetProjection().SetViewDirection(-0.25 * PI, VIEW_WEST.altitude);
  chart.GetLayers().UseDataFolder(test_support::SourcePath("data/"));
  chart.GetLayers().ApplyViewLayerFlags(layerOn ? 0 : LAYER_MINOR_BODIES_HIDDEN);
  const Moment moment(CalendarTime{1997, 4, 2, 1, 19, 30, 0, 0}, Observer(-2.35, 48.85), false,
                      bodies);
  RecordingSurface surface;
  RecordingSurface progress;
  chart.DrawFrame(surface, progress, moment);
  return surface.Lines();
}

TEST(MinorBodyFrame, ACometIsDrawnAndNamedOnlyWithItsLayerAndElements) {
  const auto comet =
      std::make_shared<const MinorBodyList>(ReadMinorBodyElements(COMET_LINE).bodies);
  const std::vector<std::string> shown = CometFrame(comet, true);
  const auto named = std::count_if(shown.begin(), shown.end(), [](const std::string& line) {
    return test_support::StartsWith(line, "label ") &&
           test_support::QuotedText(line) == "Hale-Bopp";
  });
  EXPECT_EQ(named, 1);
  const std::vector<std::string> before = CometFrame(nullptr, true);
  EXPECT_GT(shown.size(), before.size() + 3);  // head rows, tail, name
  EXPECT_EQ(CometFrame(comet, false), CometFrame(nullptr, false));
  EXPECT_EQ(CometFrame(nullptr, false), before);
}

}  // namespace
}  // namespace halvane
