// The label overlay: nothing without a label, else the name in green beside its pixel, over
// the frame's own writing of the same object's name, else clear of the frame's names.
#include "chart/label_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/recording_surface.h"

namespace halvane {
namespace {

TEST(LabelOverlay, WritesTheNameUpToItsTerminatorBesideItsPixelOnceAndClearOfTheFrames) {
  RecordingSurface surface;
  const Rect chart{0, 0, 400, 294};
  DrawLabelOverlay(surface, PickedLabel{}, chart);
  DrawLabelOverlay(surface, PickedLabel{0, 50, u"On the left edge", {}}, chart);
  EXPECT_TRUE(surface.Lines().empty()) << "a zero coordinate means no label";

  PickedLabel full{100, 120, {}, {}};
  for (char16_t& unit : full.name) unit = u'x';  // no terminator: every unit
  DrawLabelOverlay(surface, PickedLabel{100, 120, u"Vega", {}}, chart);
  DrawLabelOverlay(surface, full, chart);
  const std::string xs(LABEL_NAME_UNITS, 'x');
  // Each over its halo: the text four times a pixel aside in black, then in its colour.
  const auto outlined = [](int32_t left, int32_t top, const std::string& text) {
    std::vector<std::string> lines = {"transparent", "textcolor 000000"};
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      lines.push_back("text " + std::to_string(left + dx) + ' ' + std::to_string(top + dy) + ' ' +
                      std::to_string(400 + dx) + ' ' + std::to_string(294 + dy) + " 256 \"" + text +
                      '"');
    }
    lines.push_back("textcolor 7FFF7F");
    lines.push_back("text " + std::to_string(left) + ' ' + std::to_string(top) + " 400 294 256 \"" +
                    text + '"');
    return lines;
  };
  std::vector<std::string> expected = outlined(105, 114, "Vega");
  expected.push_back("label 105 114 129 126 \"Vega\"");
  for (const std::string& line : outlined(105, 114, xs)) expected.push_back(line);
  expected.push_back("label 105 114 345 126 \"" + xs + "\"");
  EXPECT_EQ(surface.Lines(), expected);

  // The frame wrote Sirius: a tap on it writes over that name, not a second one; another
  // object at that point goes where the frame's name leaves room.
  const std::vector<LabelCandidate> written = {
      {100, 100, 3, u"Sirius", LabelRank::Star, -1.46, 0, false}};
  FrameNames frame;
  ASSERT_EQ(PlaceLabels(written, {}, surface, chart, &frame).size(), 1u);
  surface.Clear();
  DrawLabelOverlay(surface, PickedLabel{100, 100, u"Sirius", {}}, chart, frame);
  DrawLabelOverlay(surface, PickedLabel{101, 100, u"Companion", {}}, chart, frame);
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
