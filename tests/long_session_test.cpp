// A long session: the running window takes a long random stream of menu commands, keys, taps,
// drags, navigation-box presses, dialogs and resizes through real Qt events. Nothing may
// crash, every requested frame must be drawn, memory must stay flat once the caches are warm,
// and the settings written at exit must be the ones in force.
//
// HALVANE_LONG_SESSION_COUNT sets the number of actions (3000 by default, 1000 under the
// address sanitizer; make fuzz runs 100000), HALVANE_LONG_SESSION_SEED the random stream.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/menu_bar.h"
#include "platform/window_system.h"
#include "shell/config_file.h"
#include "shell/main_window.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"

namespace halvane::test_support {
namespace {

long EnvironmentNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtol(text, nullptr, 10);
}

// Resident memory of this process in KiB.
long ResidentKib() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(4096, '\n');
  }
  return 0;
}

bool UnderAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#endif
#endif
  return false;
}

constexpr uint16_t VIEW_COMMANDS[] = {COMMAND_VIEW_EAST,
                                      COMMAND_VIEW_NORTH,
                                      COMMAND_VIEW_SOUTH,
                                      COMMAND_VIEW_WEST,
                                      COMMAND_VIEW_ZENITH,
                                      COMMAND_EQUATORIAL_GRID,
                                      COMMAND_HORIZONTAL_GRID,
                                      COMMAND_CONSTELLATION_LINES,
                                      COMMAND_CONSTELLATION_BOUNDARIES,
                                      COMMAND_ZOOM_IN,
                                      COMMAND_ZOOM_OUT,
                                      COMMAND_ZOOM_RESET,
                                      COMMAND_ROTATE_CLOCKWISE,
                                      COMMAND_ROTATE_COUNTER_CLOCKWISE};

// Keys the chart answers and some it does not.
constexpr Qt::Key KEYS[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                            Qt::Key_Plus, Qt::Key_Minus, Qt::Key_B,      Qt::Key_E,
                            Qt::Key_H,    Qt::Key_L,     Qt::Key_N,      Qt::Key_Q,
                            Qt::Key_S,    Qt::Key_W,     Qt::Key_Z,      Qt::Key_X,
                            Qt::Key_5,    Qt::Key_Space, Qt::Key_Return, Qt::Key_F5};

class LongSession : public ShellTest {
 protected:
  // Opens the configuration dialog and presses OK (as shown) or Cancel once it runs.
  void OpenDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      if (accept) {
        dialog->accept();
      } else {
        dialog->reject();
      }
    });
    Choose(COMMAND_CONFIGURE);
  }

  // A point on the chart, on the navigation box (where it is when shown) or off the chart.
  QPoint RandomPoint(std::mt19937& random, const MainWindow& w) {
    const Rect chart = ClientRect(w.hwnd);
    const int where = std::uniform_int_distribution<int>(0, 9)(random);
    if (where < 3) {
      return QPoint(
          std::uniform_int_distribution<int>(w.GetNavigationBoxOrigin().x,
                                             w.GetNavigationBoxOrigin().x + NAV_BOX_WIDTH)(random),
          std::uniform_int_distribution<int>(
              w.GetNavigationBoxOrigin().y, w.GetNavigationBoxOrigin().y + NAV_BOX_HEIGHT)(random));
    }
    if (where == 9) {
      return QPoint(std::uniform_int_distribution<int>(-500, 1000)(random),
                    std::uniform_int_distribution<int>(-500, 1000)(random));
    }
    return QPoint(std::uniform_int_distribution<int>(chart.left,
                                                     std::max(chart.left, chart.right - 1))(random),
                  std::uniform_int_distribution<int>(
                      chart.top, std::max(chart.top, chart.bottom - 1))(random));
  }
};

TEST_F(LongSession, RandomUseKeepsDrawingHoldsMemoryAndSavesWhatIsInForce) {
  const long count =
      EnvironmentNumber("HALVANE_LONG_SESSION_COUNT", UnderAddressSanitizer() ? 1000 : 3000);
  std::mt19937 random(
      static_cast<uint32_t>(EnvironmentNumber("HALVANE_LONG_SESSION_SEED", 20261208)));
  const std::string labels = Folder() + "Labels.dat";
  const std::filesystem::path shippedLabels = std::filesystem::path(BuildPath("Labels.dat"));
  if (std::filesystem::exists(shippedLabels))
    std::filesystem::create_symlink(shippedLabels, labels);

  MainWindow& w = Start();
  QWidget* top = TopLevelWidget(w.hwnd);
  const QSize startSize = top->size();
  long warmKib = 0;
  int resizes = 0;
  int dialogs = 0;
  for (long i = 0; i < count; ++i) {
    if (i == 1000) warmKib = ResidentKib();
    const int framesBefore = w.GetFramesDrawn();
    bool wantsFrame = false;
    const int kind = std::uniform_int_distribution<int>(0, 999)(random);
    if (kind < 250) {
      const uint16_t command = VIEW_COMMANDS[std::uniform_int_distribution<size_t>(
          0, std::size(VIEW_COMMANDS) - 1)(random)];
      Choose(command);
      wantsFrame = true;
    } else if (kind < 300) {
      Choose(static_cast<uint16_t>(std::uniform_int_distribution<int>(40100, 40187)(random)));
      wantsFrame = true;
    } else if (kind < 550) {
      QTest::keyClick(Chart(),
                      KEYS[std::uniform_int_distribution<size_t>(0, std::size(KEYS) - 1)(random)]);
      Flush();
    } else if (kind < 800) {
      const QPoint p = RandomPoint(random, w);
      Tap(p.x(), p.y());
    } else if (kind < 960) {
      const QPoint from = RandomPoint(random, w);
      const QPoint to = RandomPoint(random, w);
      Drag(from.x(), from.y(), to.x(), to.y());
    } else if (kind < 985) {
      PressCompass();
    } else if (kind < 995) {
      OpenDialog(std::uniform_int_distribution<int>(0, 1)(random) == 1);
      ++dialogs;
    } else {
      // Resizes, down to nothing and back; the chart follows at the next frame.
      const QSize sizes[] = {startSize, QSize(1, 1), QSize(90, 120), QSize(480, 640), startSize};
      top->resize(sizes[std::uniform_int_distribution<int>(0, 4)(random)]);
      Flush();
      Choose(COMMAND_ZOOM_RESET);
      ++resizes;
      // The new size alone may have asked for a frame of its own.
      ASSERT_GT(w.GetFramesDrawn(), framesBefore) << "action " << i;
    }
    ASSERT_FALSE(w.IsWindowDestroyed()) << "action " << i;
    // Every frame asked for was drawn before the next action.
    ASSERT_FALSE(w.IsRenderPending()) << "action " << i;
    // One command asks for one frame, however many invalidations it made.
    if (wantsFrame) {
      ASSERT_EQ(w.GetFramesDrawn(), framesBefore + 1) << "action " << i;
    }
  }
  const long endKib = ResidentKib();
  RecordProperty("actions", static_cast<int>(count));
  RecordProperty("frames", w.GetFramesDrawn());
  RecordProperty("dialogs", dialogs);
  RecordProperty("resizes", resizes);
  RecordProperty("rss_kib_after_1000", static_cast<int>(warmKib));
  RecordProperty("rss_kib_at_end", static_cast<int>(endKib));
  std::printf("long session: %ld actions, %d frames, RSS %ld KiB after 1000, %ld KiB at end\n",
              count, w.GetFramesDrawn(), warmKib, endKib);
  // The sanitizer's quarantine holds freed memory back on purpose; leaks are its own check.
  if (count > 1000 && !UnderAddressSanitizer()) {
    EXPECT_LE(endKib, warmKib + 8 * 1024) << "resident memory grew";
  }

  const double longitude = w.GetObserver().GetLongitude();
  const double latitude = w.GetObserver().GetLatitude();
  const uint16_t flags = w.GetChart().GetLayers().LayerFlags();
  EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_EQUATORIAL_GRID),
            w.GetChart().GetLayers().showEquatorialGrid);
  EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_CONSTELLATION_BOUNDARIES),
            w.GetChart().GetLayers().showConstellationBoundaries);
  const uint8_t useSystemTime = w.GetConfig().useSystemTime;
  const CalendarTime observationTime = w.GetConfig().observationTime;

  Stop();
  ConfigRecord saved;
  ASSERT_TRUE(LoadConfig(ConfigPath(), saved));
  EXPECT_EQ(saved.longitude, longitude);
  EXPECT_EQ(saved.latitude, latitude);
  EXPECT_EQ(saved.layerFlags, flags);
  EXPECT_EQ(saved.useSystemTime, useSystemTime);
  EXPECT_EQ(saved.observationTime, observationTime);
}

}  // namespace
}  // namespace halvane::test_support
