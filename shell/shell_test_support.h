// What the shell's tests share: a Qt application on the offscreen platform, a data folder of
// their own with the shipped catalogs, a fixed clock, and the running main window.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "platform/clock.h"
#include "platform/menu_bar.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "shell/main_window.h"
#include "tests/support/build_paths.h"
#include "tests/support/catalog_writer.h"
#include "tests/support/scratch_folder.h"

namespace halvane::test_support {

// The offscreen platform with a desktop's screen (1280 x 800) first, and a phone's screen
// (named "phone", 360 x 720) right of it, described in a file at path, which the platform reads
// once.
inline void UseDesktopAndPhoneScreens(const std::filesystem::path& path) {
  std::ofstream(path) << R"({ "screens": [
      { "name": "desktop", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96, "dpr": 1 },
      { "name": "phone", "x": 1280, "y": 0, "width": 360, "height": 720, "logicalDpi": 96, "dpr": 1 }
    ] })";
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path.string()).c_str(), 1);
}

inline QApplication& Application() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own statics may be gone by the time exit handlers run.
  static QApplication* application = [] {
    const std::filesystem::path screens =
        std::filesystem::temp_directory_path() / ("halvane-screens-" + std::to_string(::getpid()));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string(platform) == "offscreen") {
      UseDesktopAndPhoneScreens(screens);
    }
    auto* made = new QApplication(argc, argv);
    std::filesystem::remove(screens);
    return made;
  }();
  return *application;
}

// 2024-01-15 21:30:00 UTC, a Monday.
inline CalendarTime FixedUtc() { return CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}; }

using test_support::WriteBytes;

inline std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One label record per (right ascension, declination, name), in radians.
struct TestLabel {
  double rightAscension;
  double declination;
  const char* name;
};

inline void WriteLabels(const std::string& path, const std::vector<TestLabel>& labels) {
  WriteCatalog(path, LABELS_TAG, LABEL_RECORD_SIZE, labels,
               [](const TestLabel& label, uint8_t* bytes) {
                 LabelRecord record{label.rightAscension, label.declination, {}};
                 std::snprintf(record.name, sizeof record.name, "%s", label.name);
                 EncodeLabel(record, bytes);
               });
}

class ShellTest : public ScratchFolderTest {
 public:
  static void SetUpTestSuite() { Application(); }

  void SetUp() override {
    for (const char* name : {"Stars.dat", "ConLin.dat", "ConBon.dat", "Cities.dat"}) {
      const std::filesystem::path shipped = std::filesystem::path(BuildPath(name));
      if (std::filesystem::exists(shipped)) std::filesystem::create_symlink(shipped, folder / name);
    }
    clock->now = [] { return FixedUtc(); };
    // Downloaded elements are the test's own: none unless it writes them.
    setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
  }

  void TearDown() override { Stop(); }

  std::string Folder() const { return folder.string() + "/"; }
  std::string ConfigPath() const { return Folder() + "Config.dat"; }

  // Starts the app on the test folder and the test's clock; it has painted its first frame
  // when this returns.
  MainWindow& Start() {
    window = InitInstance(SHOW_NORMAL, Folder(), clock, options);
    EXPECT_NE(window->hwnd, nullptr);
    return *window;
  }

  // Shuts down as the program does after its loop, then lets Qt delete the widgets.
  void Stop() {
    window.reset();
    Flush();
  }

  // The running main window (null when none is).
  static MainWindow* App() { return window.get(); }

  // A rendezvous of the test's own, and the tests' pixel positions are those of the
  // handheld's chart.
  WindowOptions options{"test-" + std::to_string(::getpid()), true};

  // The clock the app reads; a test may set it to another time.
  std::shared_ptr<FunctionClock> clock = std::make_shared<FunctionClock>(FixedUtc);

  // Delivers posted messages (the coalesced paint among them) and deferred deletions.
  static void Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  static QWidget* Chart() { return ChartWidget(App()->hwnd); }

  // Chooses a menu item as the user does, then lets the paint happen.
  static void Choose(uint16_t command) {
    ASSERT_TRUE(TriggerMenuItem(App()->GetMenu(), command)) << command;
    Flush();
  }

  // Presses the menu bar's compass button, which shows or hides the navigation box.
  static void PressCompass() {
    QWidget* compass = MenuBarButton(App()->GetMenuBar(), COMMAND_NAVIGATION_BOX);
    ASSERT_NE(compass, nullptr);
    QTest::mouseClick(compass, Qt::LeftButton);
    Flush();
  }

  static void Tap(int32_t x, int32_t y) {
    QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    Flush();
  }

  inline static std::unique_ptr<MainWindow> window;

  static void Drag(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    QTest::mousePress(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(x0, y0));
    QTest::mouseRelease(Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(x1, y1));
    Flush();
  }
};

// No pixel of the widget's picture has green or blue.
inline void ExpectRedOnly(QWidget* widget, const char* what) {
  ASSERT_NE(widget, nullptr) << what;
  const QImage image = widget->grab().toImage();
  int red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_EQ(qGreen(p) | qBlue(p), 0)
          << what << " at " << x << "," << y << ": " << std::hex << p;
      red += qRed(p) != 0 ? 1 : 0;
    }
  }
  EXPECT_GT(red, 0) << what;
}

}  // namespace halvane::test_support
