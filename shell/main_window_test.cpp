// Start-up, the first paint, Config.dat through a whole run and the precise switch in it,
// shutdown by the menu and by the window manager, resizing, and a second start against a
// running first one.
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "astro/angles.h"
#include "astro/sidereal_time.h"
#include "platform/bitmaps.h"
#include "shell/shell_test_support.h"
#include "tests/support/build_paths.h"

namespace halvane::test_support {
namespace {

// The Config.dat bytes for a record.
std::vector<uint8_t> ConfigBytes(const char* magic, const char* tag, uint16_t version,
                                 double longitude, double latitude, uint16_t flags,
                                 uint8_t useSystemTime, const CalendarTime& time) {
  std::vector<uint8_t> bytes(48);
  std::memcpy(bytes.data(), magic, 4);
  std::memcpy(bytes.data() + 4, tag, 4);
  WriteU16(version, bytes.data() + 8);
  WriteF64(longitude, bytes.data() + 12);
  WriteF64(latitude, bytes.data() + 20);
  WriteU16(flags, bytes.data() + 28);
  bytes[30] = useSystemTime;
  const uint16_t fields[] = {time.year, time.month,  time.dayOfWeek, time.day,
                             time.hour, time.minute, time.second,    time.milliseconds};
  for (int i = 0; i < 8; ++i) WriteU16(fields[i], bytes.data() + 32 + 2 * i);
  return bytes;
}

const double DEFAULT_LONGITUDE = DmsToDegrees(-18, 20, 20);
const double DEFAULT_LATITUDE = DmsToDegrees(49, 41, 49);

class MainWindowTest : public ShellTest {};

TEST_F(MainWindowTest, FirstStartUsesDefaultsAndExitSavesTheRunsSettings) {
  MainWindow& w = Start();
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), DEFAULT_LONGITUDE);
  EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), DEFAULT_LATITUDE);
  EXPECT_FALSE(w.IsNavigationBoxShown());
  EXPECT_FALSE(w.IsHandMode());
  EXPECT_EQ(w.GetFramesDrawn(), 1);
  EXPECT_EQ(ClientRect(w.hwnd), (Rect{0, 0, 240, 294}));
  EXPECT_EQ(w.GetChart().GetProjection().GetViewRect(), (Rect{0, 0, 240, 294}));
  EXPECT_EQ(w.GetChart().GetLayers().starsPath, Folder() + "Stars.dat");
  EXPECT_EQ(w.GetChart().GetLayers().labelsPath, Folder() + "Labels.dat");
  EXPECT_FALSE(std::filesystem::exists(ConfigPath()));

  // Equatorial grid on, horizontal off, boundaries on, solar system shown: flags 13. The box is
  // not saved.
  QTest::keyClicks(Chart(), "qhb");
  PressCompass();
  clock->now = [] { return CalendarTime{2024, 3, 0, 10, 4, 5, 6, 7}; };
  Choose(COMMAND_EXIT);
  EXPECT_TRUE(w.IsWindowDestroyed());
  EXPECT_EQ(w.GetMenuBar(), nullptr);
  EXPECT_EQ(RunMessageLoop(), 0);  // the quit message is waiting
  Stop();

  const std::vector<uint8_t> saved = ReadFile(ConfigPath());
  // The first 48 bytes keep the old layout; the later settings follow in their own block.
  ASSERT_EQ(saved.size(), 48u + CONFIG_EXTENSION_SIZE);
  EXPECT_EQ(std::string(saved.begin(), saved.begin() + 8), "HALVCONF");
  EXPECT_EQ(std::string(saved.begin() + 48, saved.begin() + 56), "HALVCEXT");
  EXPECT_EQ(ReadU16(&saved[8]), 1);
  EXPECT_EQ(ReadU16(&saved[10]), 0);
  EXPECT_DOUBLE_EQ(ReadF64(&saved[12]), DEFAULT_LONGITUDE);
  EXPECT_DOUBLE_EQ(ReadF64(&saved[20]), DEFAULT_LATITUDE);
  EXPECT_EQ(ReadU16(&saved[28]), 13);
  EXPECT_NE(saved[30], 0);
  // The clock time of the exit command, the last one of the run.
  EXPECT_EQ(ReadU16(&saved[32]), 2024);
  EXPECT_EQ(ReadU16(&saved[36]), 0);
  EXPECT_EQ(ReadU16(&saved[38]), 10);
  EXPECT_EQ(ReadU16(&saved[40]), 4);
  EXPECT_EQ(ReadU16(&saved[46]), 7);
  // No temporary file is left beside it.
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
    EXPECT_EQ(entry.path().filename().string().rfind("Config.dat.", 0), std::string::npos)
        << entry.path();
  }
}

TEST_F(MainWindowTest, ConfigFilesOfEveryShapeGiveAUsableStart) {
  const CalendarTime fixed{2005, 1, 6, 1, 21, 0, 0, 0};
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    double longitude;
    double latitude;
    uint16_t flags;
  };
  std::vector<uint8_t> longer = ConfigBytes("HALV", "CONF", 1, 10.0, 20.0, 13, 0, fixed);
  longer.resize(60, 0xEE);
  std::vector<uint8_t> shorter = ConfigBytes("HALV", "CONF", 1, 10.0, 20.0, 13, 0, fixed);
  shorter.resize(47);
  const Case cases[] = {
      {"wrong header, right length",
       ConfigBytes("XXXX", "ABCD", 7, 10.0, 20.0, 13 | 0xFFF0, 0, fixed), 10.0, 20.0,
       13 | LAYER_SOLAR_SYSTEM_HIDDEN},
      {"longer than a record", longer, 10.0, 20.0, 13},
      {"one byte short", shorter, DEFAULT_LONGITUDE, DEFAULT_LATITUDE, 6},
      {"empty", {}, DEFAULT_LONGITUDE, DEFAULT_LATITUDE, 6},
      {"not-a-number place",
       ConfigBytes("HALV", "CONF", 1, std::nan(""), std::numeric_limits<double>::infinity(), 1, 0,
                   fixed),
       DEFAULT_LONGITUDE, DEFAULT_LATITUDE, 1},
  };
  for (const Case& c : cases) {
    WriteBytes(ConfigPath(), c.bytes);
    MainWindow& w = Start();
    EXPECT_DOUBLE_EQ(w.GetObserver().GetLongitude(), c.longitude) << c.what;
    EXPECT_DOUBLE_EQ(w.GetObserver().GetLatitude(), c.latitude) << c.what;
    EXPECT_EQ(w.GetChart().GetLayers().showEquatorialGrid, (c.flags & 1) != 0) << c.what;
    EXPECT_EQ(w.GetChart().GetLayers().showHorizontalGrid, (c.flags & 2) != 0) << c.what;
    EXPECT_EQ(w.GetChart().GetLayers().showConstellationLines, (c.flags & 4) != 0) << c.what;
    EXPECT_EQ(w.GetChart().GetLayers().showConstellationBoundaries, (c.flags & 8) != 0) << c.what;
    // Bit 4 hides the solar system: files from before it have the bit clear and show it.
    EXPECT_EQ(w.GetChart().GetLayers().showSolarSystem, (c.flags & 16) == 0) << c.what;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_SOLAR_SYSTEM), (c.flags & 16) == 0) << c.what;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_EQUATORIAL_GRID), (c.flags & 1) != 0)
        << c.what;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_HORIZONTAL_GRID), (c.flags & 2) != 0)
        << c.what;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_CONSTELLATION_LINES), (c.flags & 4) != 0)
        << c.what;
    EXPECT_EQ(IsMenuItemChecked(w.GetMenu(), COMMAND_CONSTELLATION_BOUNDARIES), (c.flags & 8) != 0)
        << c.what;
    if (c.longitude == 10.0) {
      // A fixed time from the file is used as it stands.
      EXPECT_EQ(w.GetConfig().useSystemTime, 0) << c.what;
      EXPECT_EQ(w.GetConfig().observationTime, fixed) << c.what;
    }
    Stop();
  }
}

TEST_F(MainWindowTest, PrecisePositionsSwitchesTheSkyAndIsSavedInBitFive) {
  // A file written before the switch existed: boundaries, lines and the equatorial grid.
  WriteBytes(ConfigPath(), ConfigBytes("HALV", "CONF", 1, -14.0, 50.0, 13, 0, FixedUtc()));
  MainWindow& w = Start();
  EXPECT_FALSE(w.GetChart().GetLayers().precisePositions);
  EXPECT_FALSE(IsMenuItemChecked(w.GetMenu(), COMMAND_PRECISE_POSITIONS));
  EXPECT_FALSE(w.GetSky().IsPrecise());

  const int32_t frames = w.GetFramesDrawn();
  Choose(COMMAND_PRECISE_POSITIONS);
  EXPECT_EQ(w.GetFramesDrawn(), frames + 1);
  EXPECT_TRUE(IsMenuItemChecked(w.GetMenu(), COMMAND_PRECISE_POSITIONS));
  EXPECT_TRUE(w.GetSky().IsPrecise());
  // The apparent sidereal time is within a few seconds of the mean one.
  EXPECT_NEAR(std::remainder(w.GetSiderealAngle() - SiderealTimeAt(FixedUtc(), -14.0), TWO_PI), 0.0,
              1e-4);
  Stop();
  EXPECT_EQ(ReadU16(&ReadFile(ConfigPath())[28]), 13 | LAYER_PRECISE_POSITIONS);

  MainWindow& again = Start();
  EXPECT_TRUE(IsMenuItemChecked(again.GetMenu(), COMMAND_PRECISE_POSITIONS));
  EXPECT_TRUE(again.GetSky().IsPrecise());
  Choose(COMMAND_PRECISE_POSITIONS);
  EXPECT_FALSE(again.GetSky().IsPrecise());
  EXPECT_FALSE(IsMenuItemChecked(again.GetMenu(), COMMAND_PRECISE_POSITIONS));
}

// The test's clock runs from a moment 3 s before a minute's change (room for a slow start under
// the sanitizers); the event loop is the real one, so only the window's timer can bring the
// new frame.
TEST_F(MainWindowTest, TheChartFollowsTheClockAtTheMinuteAndNotWithAFixedTime) {
  auto started = std::make_shared<QElapsedTimer>();
  auto base = std::make_shared<CalendarTime>(CalendarTime{2024, 1, 1, 15, 21, 29, 57, 0});
  clock->now = [started, base] {
    CalendarTime now = *base;
    const int64_t into = now.second * 1000 + now.milliseconds + started->elapsed();
    now.minute = static_cast<uint16_t>(now.minute + into / 60000);
    now.second = static_cast<uint16_t>(into % 60000 / 1000);
    now.milliseconds = static_cast<uint16_t>(into % 1000);
    return now;
  };
  started->start();
  MainWindow& w = Start();
  const int32_t first = w.GetFramesDrawn();
  ASSERT_EQ(w.GetMoment().GetTime().minute, 29);
  for (int waited = 0; waited < 800 && w.GetFramesDrawn() == first; ++waited) QTest::qWait(10);
  QTest::qWait(100);
  EXPECT_EQ(w.GetFramesDrawn(), first + 1) << "one frame at 21:30";
  EXPECT_EQ(w.GetMoment().GetTime().minute, 30);

  // Back to just before a change, then a time step fixes the time: no frame follows.
  *base = CalendarTime{2024, 1, 1, 15, 21, 30, 59, 850};
  started->restart();
  QTest::keyClick(Chart(), 'T');
  QTest::keyClick(Chart(), ']');
  Flush();
  const int32_t stepped = w.GetFramesDrawn();
  const CalendarTime shown = w.GetMoment().GetTime();
  QTest::qWait(500);
  EXPECT_EQ(w.GetFramesDrawn(), stepped);
  EXPECT_EQ(w.GetMoment().GetTime(), shown);
  EXPECT_EQ(shown.hour, 22);
}

TEST_F(MainWindowTest, ClosingFromTheWindowManagerTakesTheExitPath) {
  MainWindow& w = Start();
  QTest::keyClick(Chart(), Qt::Key_F4, Qt::AltModifier);  // command 18: nothing
  Flush();
  EXPECT_FALSE(w.IsWindowDestroyed());
  TopLevelWidget(w.hwnd)->close();
  EXPECT_TRUE(w.IsWindowDestroyed());
  EXPECT_EQ(RunMessageLoop(), 0);
  Stop();
  EXPECT_EQ(ReadFile(ConfigPath()).size(), 48u + CONFIG_EXTENSION_SIZE);
}

// What the chart widget shows on the screen now: the window's pixels as the platform has
// them, not the image the window composes.
QImage ShownIn(QWidget* chart) {
  QWidget* top = chart->window();
  const QPoint at = chart->mapTo(top, QPoint(0, 0));
  return QGuiApplication::primaryScreen()
      ->grabWindow(top->winId(), at.x(), at.y(), chart->width(), chart->height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

QImage Shown(WindowHandle window) { return ShownIn(ChartWidget(window)); }

TEST_F(MainWindowTest, WhileAFrameIsDrawnTheScreenShowsTheSplashOrTheLastFrameUnderTheStrip) {
  // The screen at each paint of the chart widget during a frame: the strip's width, and the
  // picture without the strip's rows.
  struct Snapshot {
    int strip;
    QImage below;
  };
  std::vector<Snapshot> shots;
  class Spy : public QObject {
   public:
    std::function<void(QWidget*)> onPaint;
    // The window is not the test's yet while its first frame is drawn: the chart area is
    // known by its class.
    bool eventFilter(QObject* object, QEvent* event) override {
      if (event->type() == QEvent::Paint && object->inherits("halvane::ChartArea")) {
        onPaint(static_cast<QWidget*>(object));
      }
      return false;
    }
  } spy;
  // A grab at a paint shows what the paint before it left on the screen.
  bool recording = true;
  spy.onPaint = [&](QWidget* chart) {
    if (!recording) return;
    const QImage screen = ShownIn(chart);
    int strip = 0;
    while (strip < screen.width() && screen.pixel(strip, 2) == qRgb(255, 255, 255)) ++strip;
    shots.push_back({strip, screen.copy(0, 5, screen.width(), screen.height() - 5)});
  };
  QCoreApplication::instance()->installEventFilter(&spy);
  MainWindow& w = Start();
  Flush();
  recording = false;

  // The splash centred on black, as its bitmap has it.
  const std::unique_ptr<Bitmap> splash = LoadBitmap(BitmapId::Splash);
  ASSERT_NE(splash, nullptr);
  QImage expected(240, 294 - 5, QImage::Format_RGB32);
  expected.fill(Qt::black);
  for (int32_t y = 0; y < splash->Height(); ++y) {
    for (int32_t x = 0; x < splash->Width(); ++x) {
      if (y + 57 >= 5) expected.setPixel(x, y + 57 - 5, 0xFF000000 | splash->PixelAt(x, y));
    }
  }
  std::vector<int> widths;
  for (const Snapshot& s : shots) {
    if (s.strip == 0) continue;
    widths.push_back(s.strip);
    EXPECT_EQ(s.below, expected) << "strip " << s.strip;
  }
  // The strip steps of a first frame: 1 to 5 percent of 240 pixels.
  ASSERT_GE(widths.size(), 5u);
  EXPECT_EQ(std::vector<int>(widths.begin(), widths.begin() + 5),
            (std::vector<int>{2, 4, 7, 9, 12}));
  const QImage firstFrame = Shown(w.hwnd);
  EXPECT_EQ(firstFrame,
            ChartWidget(w.hwnd)->grab().toImage().convertToFormat(QImage::Format_RGB32));

  // A later frame: the first one is on the screen under the strip, without the navigation
  // box that was drawn over it.
  PressCompass();
  EXPECT_NE(Shown(w.hwnd), firstFrame);
  EXPECT_EQ(w.GetFramesDrawn(), 2) << "the names leave the shown box its room";
  // Between the caption and the box, the frame drawn for it is what shows under the next one's
  // strip.
  const int32_t boxTop = w.GetNavigationBoxOrigin().y;
  constexpr int32_t BELOW_CAPTION = 20;
  Flush();
  const QImage boxFrame = Shown(w.hwnd).copy(0, BELOW_CAPTION, 240, boxTop - BELOW_CAPTION);
  shots.clear();
  recording = true;
  QTest::keyClick(Chart(), Qt::Key_Right);
  Flush();
  QCoreApplication::instance()->removeEventFilter(&spy);
  EXPECT_EQ(w.GetFramesDrawn(), 3);
  int withStrip = 0;
  for (const Snapshot& s : shots) {
    if (s.strip == 0) continue;
    ++withStrip;
    EXPECT_EQ(s.below.copy(0, BELOW_CAPTION - 5, 240, boxTop - BELOW_CAPTION), boxFrame)
        << "strip " << s.strip;
  }
  EXPECT_GE(withStrip, 5);
  EXPECT_NE(Shown(w.hwnd), firstFrame);
}

TEST_F(MainWindowTest, ChartBufferAndBoxFollowANewWindowSize) {
  MainWindow& w = Start();
  QWidget* top = TopLevelWidget(w.hwnd);
  const int barHeight = top->height() - Chart()->height();
  top->resize(320, 400 + barHeight);
  Flush();
  EXPECT_EQ(ClientRect(w.hwnd), (Rect{0, 0, 320, 400}));
  EXPECT_EQ(w.GetFramesDrawn(), 2);
  EXPECT_EQ(w.GetChart().GetProjection().GetViewRect(), (Rect{0, 0, 320, 400}));
  EXPECT_EQ(w.GetChart().GetProjection().GetCenterX(), 160);
  EXPECT_EQ(w.GetNavigationBoxOrigin().x, 320 - 70);
  EXPECT_EQ(w.GetNavigationBoxOrigin().y, 400 - 93);
  // The box is drawn at its new place.
  PressCompass();
  EXPECT_EQ(
      ScreenPixel(w.hwnd, w.GetNavigationBoxOrigin().x + 2, w.GetNavigationBoxOrigin().y + 2),
      ScreenPixel(w.hwnd, w.GetNavigationBoxOrigin().x + 25, w.GetNavigationBoxOrigin().y + 2));
  EXPECT_EQ(w.GetFramesDrawn(), 3) << "the names leave the shown box its room";
}

TEST_F(MainWindowTest, SecondStartBringsTheFirstForwardAndLeavesConfigAlone) {
  const std::string program = BuildPath("halvane");
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "halvane is not built";
  // The program's own rendezvous names, but in the test's private folder: a Halvane the user
  // has open listens in the usual one and sees nothing of this.
  options.instanceScope.clear();
  const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string savedRuntime = oldRuntime != nullptr ? oldRuntime : "";
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  MainWindow& w = Start();
  const std::string beside = BuildPath("Config.dat");
  const bool existed = std::filesystem::exists(beside);
  const std::vector<uint8_t> before = existed ? ReadFile(beside) : std::vector<uint8_t>{};
  const auto stamp =
      existed ? std::filesystem::last_write_time(beside) : std::filesystem::file_time_type{};

  QProcess second;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(folder.string()));
  second.setProcessEnvironment(environment);
  second.start(QString::fromStdString(program), {});
  ASSERT_TRUE(second.waitForStarted(5000));
  for (int i = 0; i < 1000 && second.state() != QProcess::NotRunning; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    second.waitForFinished(10);
  }
  Flush();
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_GE(ForegroundRequests(w.hwnd), 1);
  EXPECT_EQ(std::filesystem::exists(beside), existed);
  if (existed) {
    EXPECT_EQ(ReadFile(beside), before);
    EXPECT_EQ(std::filesystem::last_write_time(beside), stamp);
  }
  Stop();
  if (oldRuntime != nullptr) {
    setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
}  // namespace halvane::test_support
