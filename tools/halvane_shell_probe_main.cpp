// Runs the app's own start-up, paint and shutdown code for the benchmarks: prints a line as
// soon as the first complete chart is on screen, then times repaints that need no new frame
// (with the label and the navigation box drawn over the chart), then shuts down.
//   halvane-shell-probe [--repaints N]
// For the window tests on other platforms and screens, instead of the timing:
//   --window       prints the window's size, state and pixel ratio, its icon's width and a
//                  checksum of what the chart area shows, presses the right arrow and prints
//                  the checksum again, then taps the chart's centre and prints the name found
//   --hold SECONDS stays in the message loop that long (or until the window is closed)
//   --point-at-sky SECONDS
//                  turns "Point at the sky" on with its key, stays in the message loop that
//                  long while the sensors (HALVANE_IIO_DEVICES) are read, and prints the view
//                  at the start and the end, the readings and frames, and the process's CPU
//                  time per second of the mode
//   --scope NAME   the single-instance scope (one of its own by default); a start that finds
//                  another copy in the scope prints "already-running" and ends with 0
//   --data FOLDER  keeps Config.dat in FOLDER (which it leaves in place)
//   --command N    chooses menu command N once the first frame is shown
//   --grab FILE    with --hold: writes what the chart area shows to FILE (PNG) once the first
//                  frame (and the command) is on screen
//   --qt-only      prints "first-frame" as soon as the window system is up, and ends: the
//                  part of start-up that is Qt's and the loader's, for the benchmark table
// Otherwise it works in a temporary folder holding links to the catalogs beside it, so the
// Config.dat beside the program is never touched.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/end_signals.h"
#include "platform/files.h"
#include "platform/menu_bar.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "shell/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

std::filesystem::path MakeDataFolder(const std::string& given) {
  const std::filesystem::path folder = !given.empty()
                                           ? std::filesystem::path(given)
                                           : std::filesystem::temp_directory_path() /
                                                 ("halvane-probe-" + std::to_string(::getpid()));
  if (given.empty()) std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  // Every catalog the app would find beside it, so that the first chart is the app's own,
  // with its deep sky and Milky Way.
  std::error_code ignored;
  for (const auto& entry :
       std::filesystem::directory_iterator(halvane::ExecutableDirectory(), ignored)) {
    const std::filesystem::path& shipped = entry.path();
    if (shipped.extension() != ".dat" || shipped.filename() == "Config.dat") continue;
    // Copies started together may both link: the second link's failure is harmless.
    std::filesystem::create_symlink(shipped, folder / shipped.filename(), ignored);
  }
  return folder;
}

// What the chart area shows when Qt paints it, as a sum over its pixels.
uint64_t ShownChecksum(QWidget* chart) {
  const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
  uint64_t sum = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) sum = sum * 31 + shown.pixel(x, y);
  }
  return sum;
}

void ReportWindow(halvane::MainWindow& window) {
  QWidget* top = halvane::TopLevelWidget(window.hwnd);
  QWidget* chart = halvane::ChartWidget(window.hwnd);
  const QRect screen = top->screen()->availableGeometry();
  std::printf("screen %d %d\n", screen.width(), screen.height());
  std::printf("window %d %d maximised %d exposed %d ratio %.2f\n", top->width(), top->height(),
              top->isMaximized() ? 1 : 0, top->windowHandle()->isExposed() ? 1 : 0,
              top->devicePixelRatioF());
  std::printf("chart %d %d\n", chart->width(), chart->height());
  std::printf("icon %d\n", QApplication::windowIcon().availableSizes().value(0).width());
  std::printf("shown %llu\n", static_cast<unsigned long long>(ShownChecksum(chart)));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QCoreApplication::sendEvent(chart, &press);
  QCoreApplication::processEvents();
  std::printf("frames %d\n", window.GetFramesDrawn());
  std::printf("shown %llu\n", static_cast<unsigned long long>(ShownChecksum(chart)));
  // A tap at the chart's centre names the same object at every pixel ratio.
  const QPointF centre(QPoint(chart->width() / 2, chart->height() / 2));
  QMouseEvent down(QEvent::MouseButtonPress, centre, chart->mapToGlobal(centre), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, chart->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(chart, &down);
  QCoreApplication::sendEvent(chart, &release);
  QCoreApplication::processEvents();
  std::printf("label %s\n", QString::fromUtf16(window.GetLabel().name).toUtf8().constData());
}

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

void PrintView(const char* what, const halvane::MainWindow& window) {
  double azimuth = 0.0;
  double altitude = 0.0;
  window.GetChart().GetProjection().GetViewDirection(azimuth, altitude);
  std::printf("%s %.2f %.2f\n", what, azimuth * 57.29577951308232, altitude * 57.29577951308232);
}

// Runs the mode for seconds and reports what it did and cost.
int PointAtSky(halvane::MainWindow& window, int seconds) {
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QCoreApplication::sendEvent(halvane::ChartWidget(window.hwnd), &key);
  QCoreApplication::processEvents();
  std::printf("pointing %d\n", window.IsPointingAtSky() ? 1 : 0);
  PrintView("view-start", window);
  std::fflush(stdout);
  const int32_t frames = window.GetFramesDrawn();
  const double cpu = CpuSeconds();
  QTimer::singleShot(seconds * 1000, [] { halvane::PostQuit(0); });
  const int code = halvane::RunMessageLoop();
  std::printf("cpu-ms-per-second %.1f\n", (CpuSeconds() - cpu) * 1000.0 / seconds);
  std::printf("sensor-readings %d sensor-frames %d frames %d\n", window.GetSensorReadings(),
              window.GetSensorFrames(), window.GetFramesDrawn() - frames);
  PrintView("view-end", window);
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  int repaints = 2000;
  bool windowReport = false;
  int holdSeconds = 0;
  int pointSeconds = 0;
  std::string scope = "probe-" + std::to_string(::getpid());
  std::string dataFolder;
  int command = 0;
  bool qtOnly = false;
  std::string grabFile;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--grab") == 0 && i + 1 < argc) {
      grabFile = argv[++i];
      continue;
    }
    if (std::strcmp(argv[i], "--qt-only") == 0) {
      qtOnly = true;
      continue;
    }
    if (std::strcmp(argv[i], "--window") == 0) {
      windowReport = true;
      continue;
    }
    if (std::strcmp(argv[i], "--hold") == 0 && i + 1 < argc) {
      holdSeconds = std::clamp(std::atoi(argv[++i]), 1, 600);
      continue;
    }
    if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
      dataFolder = argv[++i];
      continue;
    }
    if (std::strcmp(argv[i], "--command") == 0 && i + 1 < argc) {
      command = std::clamp(std::atoi(argv[++i]), 0, 0xFFFF);
      continue;
    }
    if (std::strcmp(argv[i], "--point-at-sky") == 0 && i + 1 < argc) {
      pointSeconds = std::clamp(std::atoi(argv[++i]), 1, 600);
      continue;
    }
    if (std::strcmp(argv[i], "--scope") == 0 && i + 1 < argc) {
      scope = argv[++i];
      continue;
    }
    if (std::strcmp(argv[i], "--repaints") == 0 && i + 1 < argc) {
      repaints = std::atoi(argv[++i]);
      if (repaints < 1 || repaints > 1000000) {
        std::fprintf(stderr, "halvane-shell-probe: --repaints wants 1 to 1000000\n");
        return 2;
      }
      continue;
    }
    std::fprintf(stderr, "halvane-shell-probe: unknown argument %s\n", argv[i]);
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);

  const std::filesystem::path folder = MakeDataFolder(dataFolder);
  const auto removeFolder = [&] {
    if (dataFolder.empty()) std::filesystem::remove_all(folder);
  };
  halvane::EndSignals endSignals;
  const halvane::WindowSystem windowSystem(argc, argv);
  endSignals.QuitOnSignals();
  if (qtOnly) {
    std::printf("first-frame\n");
    std::fflush(stdout);
    removeFolder();
    return 0;
  }
  const bool timing = !windowReport && holdSeconds == 0 && pointSeconds == 0;
  // The timings stay those of the handheld's chart, whatever the screen.
  const halvane::WindowOptions options{scope, timing};
  // The window report taps a star, and the timings draw the same chart whatever the hour (by
  // day the daylight would hide most of it), so their sky is one fixed night's.
  std::shared_ptr<const halvane::Clock> clock;
  if (windowReport || timing) {
    clock = std::make_shared<halvane::FunctionClock>(
        [] { return halvane::CalendarTime{2024, 1, 1, 15, 21, 0, 0, 0}; });
  }
  std::unique_ptr<halvane::MainWindow> window =
      halvane::InitInstance(halvane::SHOW_NORMAL, folder.string() + "/", clock, options);
  if (window->hwnd == nullptr) {
    std::printf("already-running\n");
    window.reset();
    removeFolder();
    return 0;
  }
  if (window->hwnd == nullptr || window->GetFramesDrawn() != 1) {
    std::fprintf(stderr, "halvane-shell-probe: the first frame was not drawn\n");
    return 1;
  }
  QCoreApplication::processEvents();  // Qt shows the composed image
  std::printf("first-frame\n");
  std::fflush(stdout);
  if (command != 0) {
    halvane::TriggerMenuItem(window->GetMenu(), static_cast<uint16_t>(command));
    std::printf("command-done\n");
    std::fflush(stdout);
  }
  if (pointSeconds > 0) {
    const int code = PointAtSky(*window, pointSeconds);
    window.reset();
    removeFolder();
    return code;
  }
  if (windowReport || holdSeconds > 0) {
    if (windowReport) ReportWindow(*window);
    if (!grabFile.empty()) {
      QCoreApplication::processEvents();
      if (!halvane::ChartWidget(window->hwnd)->grab().save(QString::fromStdString(grabFile))) {
        std::fprintf(stderr, "halvane-shell-probe: cannot write %s\n", grabFile.c_str());
      }
    }
    std::fflush(stdout);
    int code = 0;
    if (holdSeconds > 0) {
      QTimer::singleShot(holdSeconds * 1000, [] { halvane::PostQuit(0); });
      code = halvane::RunMessageLoop();
    }
    window.reset();
    removeFolder();
    return code;
  }

  // The costliest repaint without a new frame: both overlays drawn.
  window->OnCommand(0, halvane::COMMAND_NAVIGATION_BOX, 0);
  for (int32_t y = 40; y < 280 && window->GetLabel().x == 0; y += 20) {
    for (int32_t x = 20; x < 220 && window->GetLabel().x == 0; x += 20) {
      window->OnStylusDown(0, x, y);
    }
  }
  QCoreApplication::processEvents();
  std::vector<double> micros;
  micros.reserve(static_cast<size_t>(repaints));
  for (int i = 0; i < repaints; ++i) {
    const Clock::time_point start = Clock::now();
    halvane::InvalidateWindow(window->hwnd);
    QCoreApplication::processEvents();
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("repaint-median-us %.1f\n", micros[micros.size() / 2]);
  std::printf("frames-drawn %d\n", window->GetFramesDrawn());

  window.reset();
  removeFolder();
  return 0;
}
