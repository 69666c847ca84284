// Desktop and touch input through real Qt events: the wheel, pinch and turn gestures, and
// drags that pan live in pointer mode.
#include <QNativeGestureEvent>
#include <QWheelEvent>
#include <cmath>

#include "astro/angles.h"
#include "shell/shell_test_support.h"

namespace halvane::test_support {
namespace {

constexpr double ROTATION_STEP = 15 * DEG_TO_RAD;

class InputTest : public ShellTest {
 protected:
  static void Wheel(QPoint angle, QPoint pixels = {}, Qt::KeyboardModifiers keys = {}) {
    QWheelEvent event(QPointF(100, 100), QPointF(100, 100), pixels, angle, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(Chart(), &event);
  }

  static void Gesture(Qt::NativeGestureType type, double value) {
    QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, QPointF(100, 100),
                              QPointF(100, 100), QPointF(100, 100), value, QPointF());
    QApplication::sendEvent(Chart(), &event);
  }

  static void MoveHeld(int32_t x, int32_t y) {
    QMouseEvent event(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(Chart(), &event);
  }

  static double Field() { return App()->GetChart().GetProjection().GetFieldOfView(); }
  static double Rotation() { return App()->GetChart().GetProjection().GetRotation(); }
};

TEST_F(InputTest, WheelNotchesAndGesturesZoomAndRotateByWholeSteps) {
  MainWindow& w = Start();
  const double field = Field();
  const int32_t frames = w.GetFramesDrawn();

  Wheel({0, 120});
  EXPECT_DOUBLE_EQ(Field(), field / 2);
  Wheel({0, -240});
  EXPECT_DOUBLE_EQ(Field(), field * 2);
  // A touchpad's small steps add up to a notch; pixel deltas without angles do as well.
  for (int i = 0; i < 3; ++i) Wheel({0, 30});
  EXPECT_DOUBLE_EQ(Field(), field * 2);
  Wheel({0, 30});
  EXPECT_DOUBLE_EQ(Field(), field);
  Wheel({}, {0, 59});
  EXPECT_DOUBLE_EQ(Field(), field);
  Wheel({}, {0, 1});
  EXPECT_DOUBLE_EQ(Field(), field / 2);
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1) << "steps before a paint make one frame";

  // Shift (which some systems turn into a horizontal wheel) and Ctrl rotate instead.
  Wheel({0, 120}, {}, Qt::ShiftModifier);
  EXPECT_NEAR(Rotation(), ROTATION_STEP, 1e-12);
  Wheel({-240, 0}, {}, Qt::ShiftModifier);
  EXPECT_NEAR(Rotation(), -ROTATION_STEP, 1e-12);
  Wheel({0, 120}, {}, Qt::ControlModifier);
  EXPECT_NEAR(Rotation(), 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(Field(), field / 2);

  // A pinch zooms a step per doubling, a turn rotates a step per 15 degrees; both add up
  // within one gesture and start afresh with the next.
  Gesture(Qt::BeginNativeGesture, 0);
  Gesture(Qt::ZoomNativeGesture, 0.5);
  EXPECT_DOUBLE_EQ(Field(), field / 2);
  Gesture(Qt::ZoomNativeGesture, 1.0 / 3.0);  // 1.5 x 4/3 = 2
  EXPECT_DOUBLE_EQ(Field(), field / 4);
  Gesture(Qt::RotateNativeGesture, 10);
  EXPECT_NEAR(Rotation(), 0.0, 1e-12);
  Gesture(Qt::RotateNativeGesture, 10);
  EXPECT_NEAR(Rotation(), ROTATION_STEP, 1e-12);
  Gesture(Qt::EndNativeGesture, 0);
  Gesture(Qt::BeginNativeGesture, 0);
  Gesture(Qt::RotateNativeGesture, -10);
  EXPECT_NEAR(Rotation(), ROTATION_STEP, 1e-12) << "the last gesture's rest is gone";
  Gesture(Qt::ZoomNativeGesture, -0.75);  // a quarter: two steps out
  EXPECT_DOUBLE_EQ(Field(), field);
  Gesture(Qt::ZoomNativeGesture, -1.0);  // a scale of zero is no pinch
  Gesture(Qt::ZoomNativeGesture, std::nan(""));
  EXPECT_DOUBLE_EQ(Field(), field);
}

TEST_F(InputTest, TwoFingersOnATouchScreenPinchToZoom) {
  Start();
  const double field = Field();
  QPointingDevice* screen = QTest::createTouchDevice();
  QTest::touchEvent(Chart(), screen).press(0, QPoint(100, 140)).press(1, QPoint(140, 140));
  Flush();
  for (int spread = 50; spread <= 160; spread += 10) {
    QTest::touchEvent(Chart(), screen)
        .move(0, QPoint(120 - spread / 2, 140))
        .move(1, QPoint(120 + spread / 2, 140));
    Flush();
  }
  QTest::touchEvent(Chart(), screen).release(0, QPoint(40, 140)).release(1, QPoint(200, 140));
  Flush();
  // The recogniser starts within the first moves: from there the spread grows two to three times.
  EXPECT_DOUBLE_EQ(Field(), field / 2);
}

TEST_F(InputTest, PointerDragsPanLiveAndEndWhereTheReleaseRulePutsThem) {
  MainWindow& w = Start();
  Observer observer;
  Projection view{Rect{0, 0, 240, 294}};
  double azimuth = 0, altitude = 0;
  view.GetViewDirection(azimuth, altitude);
  const auto expectDragged = [&](int32_t dx, int32_t dy, const char* what) {
    view.SetViewDirection(azimuth, altitude);
    view.DragView(dx, dy);
    double a1 = 0, h1 = 0, a2 = 0, h2 = 0;
    w.GetChart().GetProjection().GetViewDirection(a1, h1);
    view.GetViewDirection(a2, h2);
    EXPECT_NEAR(std::remainder(a1 - a2, TWO_PI), 0.0, 1e-12) << what;
    EXPECT_NEAR(h1, h2, 1e-12) << what;
  };
  ASSERT_FALSE(w.IsHandMode());
  const int32_t frames = w.GetFramesDrawn();

  // Within the drag distance a press stays a tap.
  QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  MoveHeld(101, 101);
  QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(101, 101));
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames);
  expectDragged(0, 0, "tap");

  // Past it, the chart follows; moves between two paints make one frame.
  QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  MoveHeld(130, 90);
  MoveHeld(140, 95);
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
  expectDragged(40, -5, "live");
  MoveHeld(60, 160);
  QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(-20, 170));
  Flush();
  EXPECT_EQ(w.GetFramesDrawn(), frames + 2);
  expectDragged(-120, 70, "released left of the chart");
  EXPECT_EQ(w.GetLabel().name[0], u'\0') << "a drag names nothing";
}

}  // namespace
}  // namespace halvane::test_support
