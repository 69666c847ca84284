// The stylus through real mouse events: taps that name objects, hand-mode drags, and the
// navigation box's twelve buttons.
#include <cmath>

#include "astro/angles.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

constexpr Color LABEL_GREEN = MakeColor(127, 255, 127);

// The window's observer and view as they are after start-up, for the expected results.
struct Reference {
  Observer observer;
  Projection view{Rect{0, 0, 240, 294}};
};

void ExpectSameView(const MainWindow& w, const Reference& r, const char* what) {
  double a1 = 0, h1 = 0, a2 = 0, h2 = 0;
  w.GetChart().GetProjection().GetViewDirection(a1, h1);
  r.view.GetViewDirection(a2, h2);
  EXPECT_NEAR(std::remainder(a1 - a2, TWO_PI), 0.0, 1e-12) << what;
  EXPECT_NEAR(h1, h2, 1e-12) << what;
  EXPECT_NEAR(w.GetChart().GetProjection().GetRotation(), r.view.GetRotation(), 1e-12) << what;
  EXPECT_DOUBLE_EQ(w.GetChart().GetProjection().GetFieldOfView(), r.view.GetFieldOfView()) << what;
}

int LabelPixels(const MainWindow& w) {
  int count = 0;
  for (int y = 0; y < 294; ++y) {
    for (int x = 0; x < 240; ++x) count += ScreenPixel(w.hwnd, x, y) == LABEL_GREEN;
  }
  return count;
}

// The same count in what the widget shows when Qt asks it to paint (an uncovering).
int ExposedLabelPixels() {
  const QImage shown = ShellTest::Chart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) count += shown.pixel(x, y) == qRgb(127, 255, 127);
  }
  return count;
}

class StylusTest : public ShellTest {
 protected:
  // Starts with one labelled object at the zenith, where the starting view looks.
  MainWindow& StartWithZenithLabel() {
    MainWindow& w = Start();
    const double rightAscension = NormalizeAngle(w.GetSiderealAngle(), TWO_PI);
    WriteLabels(w.GetChart().GetLayers().labelsPath,
                {{rightAscension, w.GetObserver().GetLatitude() * DEG_TO_RAD, "Zenith star"},
                 {rightAscension, -1.2, "Far south"}});
    return w;
  }

  // The centre of a navigation-box button.
  static QPoint Button(const MainWindow& w, int column, int row) {
    return QPoint(w.GetNavigationBoxOrigin().x + column * NAV_BOX_PITCH + 11,
                  w.GetNavigationBoxOrigin().y + row * NAV_BOX_PITCH + 11);
  }

  static void ShowBox() { PressCompass(); }

  // Presses at from, moves to to with the button held, and holds it there for milliseconds.
  static void PressMoveAndHold(QPoint from, QPoint to, int milliseconds) {
    QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, Chart()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Chart(), &move);
    QTest::qWait(milliseconds);
  }
};

TEST_F(StylusTest, TapNamesTheNearestObjectWithoutANewFrameUntilTheNextRendering) {
  MainWindow& w = StartWithZenithLabel();
  const int32_t frames = w.GetFramesDrawn();
  const int32_t paints = w.GetPaintsDone();
  EXPECT_EQ(LabelPixels(w), 0);

  Tap(123, 150);
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Zenith star");
  EXPECT_EQ(w.GetLabel().x, 120);
  EXPECT_EQ(w.GetLabel().y, 147);
  EXPECT_GT(LabelPixels(w), 10);
  EXPECT_EQ(w.GetFramesDrawn(), frames);
  EXPECT_EQ(w.GetPaintsDone(), paints + 1);

  // Nothing near the corner: the old name stays where it was, and so on screen.
  Tap(5, 280);
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Zenith star");
  EXPECT_GT(LabelPixels(w), 10);

  // An uncovering shows the same frame and label again, without painting anew.
  EXPECT_EQ(ExposedLabelPixels(), LabelPixels(w));
  EXPECT_EQ(w.GetPaintsDone(), paints + 2);

  QTest::keyClicks(Chart(), "z");
  Flush();
  EXPECT_EQ(w.GetLabel().x, 0);
  EXPECT_EQ(w.GetLabel().name[0], u'\0');
  EXPECT_EQ(LabelPixels(w), 0);
}

TEST_F(StylusTest, HandModeDragsPanBySignedDisplacementOnRelease) {
  MainWindow& w = Start();
  Reference r;
  ShowBox();
  const QPoint hand = Button(w, 2, 0);
  const int32_t paints = w.GetPaintsDone();
  QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, hand);
  Flush();
  EXPECT_EQ(w.GetPaintsDone(), paints + 1);  // the down point is identified, as any tap in the box
  QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, hand);
  Flush();
  EXPECT_TRUE(w.IsHandMode());
  EXPECT_EQ(w.GetPaintsDone(), paints + 1);  // the mode buttons ask for no paint

  int32_t frames = w.GetFramesDrawn();
  Drag(100, 100, 130, 90);
  r.view.DragView(30, -10);
  ExpectSameView(w, r, "drag (30, -10)");
  EXPECT_EQ(w.GetFramesDrawn(), ++frames);

  // Released left of and above the chart: a small negative step.
  Drag(10, 10, -5, -3);
  r.view.DragView(-15, -13);
  ExpectSameView(w, r, "drag (-15, -13)");

  // No movement still renders.
  Drag(50, 50, 50, 50);
  r.view.DragView(0, 0);
  ExpectSameView(w, r, "drag (0, 0)");
  EXPECT_EQ(w.GetFramesDrawn(), frames + 2);

  // Hidden, the box takes no taps, and the mode stays: its corner is dragged like the rest.
  PressCompass();
  frames = w.GetFramesDrawn();
  Drag(Button(w, 0, 0).x(), Button(w, 0, 0).y(), Button(w, 0, 0).x() + 4, Button(w, 0, 0).y());
  r.view.DragView(4, 0);
  ExpectSameView(w, r, "drag over the hidden box");
  EXPECT_TRUE(w.IsHandMode());
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);

  // The pointer button ends hand mode; drags then do nothing.
  ShowBox();
  Tap(Button(w, 0, 0).x(), Button(w, 0, 0).y());
  EXPECT_FALSE(w.IsHandMode());
  frames = w.GetFramesDrawn();
  Drag(100, 100, 140, 140);
  ExpectSameView(w, r, "pointer-mode drag");
  EXPECT_EQ(w.GetFramesDrawn(), frames);
}

TEST_F(StylusTest, ALongPressNamesEvenInHandModeAndAPressThatTravelsNeverDoes) {
  MainWindow& w = StartWithZenithLabel();
  Reference r;
  ShowBox();
  Tap(Button(w, 2, 0).x(), Button(w, 2, 0).y());
  ASSERT_TRUE(w.IsHandMode());

  // A finger trembles by a pixel or two: still a long press, and the view stays.
  PressMoveAndHold({121, 148}, {123, 149}, STYLUS_HOLD_MS + 200);
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Zenith star");
  QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, {123, 149});
  Flush();
  ExpectSameView(w, r, "after a long press");
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Zenith star");

  // A press that travelled is a drag however long it is then held.
  QTest::keyClicks(Chart(), "z");
  Flush();
  PressMoveAndHold({120, 147}, {150, 147}, STYLUS_HOLD_MS + 200);
  QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, {150, 147});
  Flush();
  EXPECT_EQ(w.GetLabel().name[0], u'\0');
  r.view.DragView(30, 0);
  ExpectSameView(w, r, "after a drag held still");

  // In pointer mode a quick tap still names.
  Tap(Button(w, 0, 0).x(), Button(w, 0, 0).y());
  ASSERT_FALSE(w.IsHandMode());
  QTest::keyClicks(Chart(), "z");
  Flush();
  Tap(121, 148);
  EXPECT_EQ(std::u16string(w.GetLabel().name), u"Zenith star");
}

TEST_F(StylusTest, EveryNavigationBoxButtonDoesWhatItShows) {
  MainWindow& w = Start();
  Reference r;
  ShowBox();
  struct Case {
    int column;
    int row;
    const char* name;
    void (*apply)(Reference&);
  };
  const Case cases[] = {
      {1, 0, "north", [](Reference& r) { r.view.SetViewDirection(0.0, 30 * DEG_TO_RAD); }},
      {0, 1, "west", [](Reference& r) { r.view.SetViewDirection(-HALF_PI, 30 * DEG_TO_RAD); }},
      {1, 1, "zenith", [](Reference& r) { r.view.SetViewDirection(0.0, HALF_PI); }},
      {2, 1, "east", [](Reference& r) { r.view.SetViewDirection(HALF_PI, 30 * DEG_TO_RAD); }},
      {0, 2, "counter-clockwise", [](Reference& r) { r.view.RotateCounterClockwise(); }},
      {1, 2, "south", [](Reference& r) { r.view.SetViewDirection(PI, 30 * DEG_TO_RAD); }},
      {2, 2, "clockwise", [](Reference& r) { r.view.RotateClockwise(); }},
      {0, 3, "zoom in", [](Reference& r) { r.view.ZoomIn(); }},
      {0, 3, "zoom in", [](Reference& r) { r.view.ZoomIn(); }},
      {1, 3, "zoom reset", [](Reference& r) { r.view.ZoomReset(); }},
      {2, 3, "zoom out", [](Reference& r) { r.view.ZoomOut(); }},
  };
  for (const Case& c : cases) {
    const int32_t frames = w.GetFramesDrawn();
    const QPoint at = Button(w, c.column, c.row);
    Tap(at.x(), at.y());
    c.apply(r);
    ExpectSameView(w, r, c.name);
    EXPECT_EQ(w.GetFramesDrawn(), frames + 1) << c.name;
    EXPECT_TRUE(w.IsNavigationBoxShown());
  }
  EXPECT_FALSE(w.IsHandMode());
}

TEST_F(StylusTest, TheBoxWorksTheButtonUnderTheReleaseOfAPressOnIt) {
  MainWindow& w = Start();
  Reference r;
  ShowBox();
  // A tap on the box's right edge works nothing.
  Tap(w.GetNavigationBoxOrigin().x + 70, w.GetNavigationBoxOrigin().y + 1);
  Flush();
  int32_t frames = w.GetFramesDrawn();
  ExpectSameView(w, r, "edge taps");
  EXPECT_EQ(w.GetFramesDrawn(), frames);

  // Down on North, up on South: the button under the up point counts.
  const QPoint north = Button(w, 1, 0);
  const QPoint south = Button(w, 1, 2);
  Drag(north.x(), north.y(), south.x(), south.y());
  r.view.SetViewDirection(PI, 30 * DEG_TO_RAD);
  ExpectSameView(w, r, "north to south");
  EXPECT_EQ(w.GetFramesDrawn(), ++frames);

  // Pointer mode, down outside and up on a button: the button does not work.
  Drag(20, 20, north.x(), north.y());
  ExpectSameView(w, r, "outside to button");
  EXPECT_EQ(w.GetFramesDrawn(), frames);

  // Hand mode: down in the box and up outside does nothing; down outside and up on a
  // button pans by the displacement.
  Tap(Button(w, 2, 0).x(), Button(w, 2, 0).y());
  ASSERT_TRUE(w.IsHandMode());
  Drag(north.x(), north.y(), 20, 20);
  ExpectSameView(w, r, "box to outside");
  EXPECT_EQ(w.GetFramesDrawn(), frames);
  Drag(100, 150, north.x(), north.y());
  r.view.DragView(north.x() - 100, north.y() - 150);
  ExpectSameView(w, r, "outside to button in hand mode");
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
}

}  // namespace
}  // namespace halvane::test_support
