// The cost of "Point at the sky": one reading of the motion sensors (a synthetic sysfs tree in
// the temporary folder) with the smoothing and the declination, alone and with the frame it
// asks for when the aim moved.
#include <unistd.h>

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "astro/angles.h"
#include "astro/geomagnetic_field.h"
#include "astro/moment.h"
#include "astro/observer.h"
#include "chart/chart.h"
#include "platform/bitmaps.h"
#include "platform/image_surface.h"
#include "platform/sky_pointer.h"
#include "platform/vector_state.h"
#include "tests/support/iio_tree.h"
#include "tools/render_chart.h"

namespace halvane {
namespace {

const std::string DATA = HALVANE_SOURCE_DIR "/data/";

// Text on an image needs fonts, and fonts need a GUI application: the one of the chart
// benchmarks when they ran first, else one of our own, kept to the end.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "halvane-bench";
  static char* argv[] = {name, nullptr};
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
  ClearUpperVectorState();
}

std::string SyntheticTree() {
  static const std::string tree = [] {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("halvane-bench-iio-" + std::to_string(::getpid()));
    test_support::SyntheticDevice device;
    device.azimuth = 90.0;
    device.altitude = 30.0;
    test_support::WriteIioTree(folder, device);
    return folder.string();
  }();
  return tree;
}

void BM_SensorReading(benchmark::State& state) {
  SkyPointer pointer(SyntheticTree());
  const CompassCorrection correction{50.0, -20.0, 2026.9, 0.0};
  for (auto _ : state) {
    pointer.Update(1.0 / 30.0);
    benchmark::DoNotOptimize(pointer.GetAim(correction));
  }
}
BENCHMARK(BM_SensorReading)->Unit(benchmark::kMicrosecond);

// A reading whose aim moved: the observer turned and a whole frame drawn, 240 x 294 with every
// layer, as the app does at each step of a turn.
void BM_SensorUpdate_WithFrame(benchmark::State& state) {
  SkyPointer pointer(SyntheticTree());
  const CompassCorrection correction{50.0, -20.0, 2026.9, 0.0};
  Observer observer;
  const Rect rect{0, 0, 240, 294};
  Chart chart(rect, LoadBitmap(BitmapId::StarSprites));
  EnsureApplication();
  chart.GetLayers().UseDataFolder(DATA);
  chart.GetLayers().ApplyLayerFlags(LAYER_EQUATORIAL_GRID | LAYER_HORIZONTAL_GRID |
                                    LAYER_CONSTELLATION_LINES | LAYER_CONSTELLATION_BOUNDARIES);
  ImageSurface image(rect.right, rect.bottom);
  DiscardSurface progress;
  const Moment moment(CalendarTime{2026, 12, 2, 8, 21, 0, 0, 0}, observer, false);
  for (auto _ : state) {
    pointer.Update(1.0 / 30.0);
    const DeviceAim aim = pointer.GetAim(correction);
    chart.GetProjection().SetViewDirection(aim.azimuth, aim.altitude);
    chart.GetProjection().SetRotation(-aim.roll);
    chart.DrawFrame(image, progress, moment);
  }
}
BENCHMARK(BM_SensorUpdate_WithFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvane
