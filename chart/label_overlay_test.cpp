// The label overlay: nothing without a label, else the name in green beside its pixel, over
// the frame's own writing of the same object's name, else clear of the frame's names.
#include "chart/label_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_surface.h"

namespace halvane {
namespace {

TEST(LabelOverlay, WritesTheNameUpToItsTerminatorBesideItsPixelOnceAndClearOfTheFrames) {
  RecordingSurface surface;
  const Rect chart{0, 0, 400, 294};
  DrawLabelOverlay(surface, PickedLabel{}, chart);
  DrawLabelOverlay(surface, PickedLabel{0, 50, u"On the left edge"}, chart);
  EXPECT_TRUE(surface.Lines().empty()) << "a zero coordinate means no label";

  PickedLabel full{100, 120, {}};
  for (char16_t& unit : full.name) unit = u'x';  // no terminator: every unit
  DrawLabelOverlay(surface, PickedLabel{100, 120, u"Vega"}, chart);
  DrawLabelOverlay(surface, full, chart);
  const std::string xs(LABEL_NAME_UNITS, 'x');
  const std::vector<std::string> expected = {
      "transparent",
      "textcolor 7FFF7F",
      "text 105 114 400 294 256 \"Vega\"",
      "label 105 114 129 126 \"Vega\"",
      "transparent",
      "textcolor 7FFF7F",
      "text 105 114 400 294 256 \"" + xs + "\"",
      "label 105 114 345 126 \"" + xs + "\"",
  };
  EXPECT_EQ(surface.Lines(), expected);

  // The frame wrote Sirius: a tap on it writes over that name, not a second one; another
  // object at that point goes where the frame's name leaves room.
  const std::vector<LabelCandidate> written = {
      {100, 100, 3, u"Sirius", LabelRank::Star, -1.46, 0, false}};
  FrameNames frame;
  ASSERT_EQ(PlaceLabels(written, {}, surface, chart, &frame).size(), 1u);
  surface.Clear();
  DrawLabelOverlay(surface, PickedLabel{100, 100, u"Sirius"}, chart, frame);
  DrawLabelOverlay(surface, PickedLabel{101, 100, u"Companion"}, chart, frame);
  std::vector<std::string> notes;
  for (const std::string& line : surface.Lines()) {
    if (line.rfind("label ", 0) == 0) notes.push_back(line);
  }
  const std::vector<std::string> expectedNotes = {"label 105 94 141 106 \"Sirius\"",
                                                  "label 42 94 96 106 \"Companion\""};
  EXPECT_EQ(notes, expectedNotes);
}

}  // namespace
}  // namespace halvane
