// Speed of the chart: whole frames and each layer at every zoom step, the floor of the star
// layer (reading Stars.dat with only its band and magnitude tests), the identification, and
// frames over synthetic star catalogs of growing size.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/observer.h"
#include "astro/sidereal_time.h"
#include "astro/sky_places.h"
#include "bench/bench_application.h"
#include "catalog/catalog_records.h"
#include "catalog/catalog_store.h"
#include "catalog/data_file.h"
#include "catalog/identify_object.h"
#include "catalog/layer_memory.h"
#include "chart/chart.h"
#include "chart/label_placement.h"
#include "platform/bitmaps.h"
#include "platform/image_surface.h"
#include "platform/vector_state.h"
#include "tools/render_chart.h"
#include "view/close_detail.h"
#include "view/frame_context.h"
#include "view/grid_layers.h"
#include "view/sky_light.h"
#include "view/view_directions.h"
#include "view/visible_cap.h"

namespace halvane {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "halvane-bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application;
  if (application) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  application = std::make_unique<QGuiApplication>(argc, argv);
  ClearUpperVectorState();
}

namespace {

const std::string DATA = HALVANE_SOURCE_DIR "/data/";

// A chart as the app draws it: latitude 50, longitude -20, a fixed evening, all four layers.
struct BenchChart {
  // south: look South instead of at the zenith; large: 1080 x 1320 instead of 240 x 294;
  // zoom: steps from 90 degrees, -1 (180 degrees) to 5 (2.8125 degrees).
  BenchChart(bool south, bool large, int zoom, const std::string& starsPath = DATA + "Stars.dat")
      : width(large ? 1080 : 240),
        height(large ? 1320 : 294),
        view(Rect{0, 0, width, height}, LoadBitmap(BitmapId::StarSprites)),
        strip(Rect{0, 0, width, height}),
        image(width, height) {
    // After the first bitmap, as the app does: Qt's image statics then outlive the application.
    EnsureApplication();
    const ViewDirection aim = south ? VIEW_SOUTH : VIEW_ZENITH;
    view.GetProjection().SetViewDirection(aim.azimuth, aim.altitude);
    view.GetLayers().UseDataFolder(DATA);
    view.GetLayers().starsPath = starsPath;
    view.GetLayers().ApplyLayerFlags(LAYER_EQUATORIAL_GRID | LAYER_HORIZONTAL_GRID |
                                     LAYER_CONSTELLATION_LINES | LAYER_CONSTELLATION_BOUNDARIES);
    sprites = LoadBitmap(BitmapId::StarSprites);
    for (int i = 0; i < zoom; ++i) view.GetProjection().ZoomIn();
    for (int i = 0; i > zoom; --i) view.GetProjection().ZoomOut();
    moment = Moment(TIME, observer, false);
    Warm();
  }

  // A chart's first frame builds the catalogs its store keeps, once, as the app's first frame
  // does; the frames timed are the ones after it.
  void Warm() {
    view.DrawFrame(image, progress, moment);
    DrawConstellationLines(Layer(), image);
    DrawConstellationBoundaries(Layer(), image);
    DrawStars(Layer(), image);
  }

  static constexpr CalendarTime TIME{2026, 12, 2, 8, 21, 0, 0, 0};
  int32_t width;
  int32_t height;
  Observer observer;
  Chart view;
  ProgressStrip strip;
  ImageSurface image;
  DiscardSurface progress;
  Moment moment;
  // What the chart hands a layer, for a layer timed alone.
  std::unique_ptr<Bitmap> sprites;
  SkyLight light;
  FramePens pens;
  std::vector<LabelCandidate> labels;
  CatalogStore catalogs;
  LayerMemory memory;

  FrameContext Layer() {
    return {view.GetProjection(),
            view.GetLayers(),
            moment,
            light,
            pens,
            labels,
            strip,
            progress,
            sprites.get(),
            nullptr,
            -1,
            &catalogs,
            &memory,
            nullptr,
            nullptr};
  }
};

void ChartArguments(benchmark::internal::Benchmark* b) {
  b->ArgNames({"south", "large", "zoom"});
  for (int south = 0; south <= 1; ++south) {
    for (int large = 0; large <= 1; ++large) {
      for (int zoom = -1; zoom <= 5; ++zoom) b->Args({south, large, zoom});
    }
  }
  b->Unit(benchmark::kMicrosecond);
}

BenchChart MakeChart(const benchmark::State& state) {
  return BenchChart(state.range(0) != 0, state.range(1) != 0, static_cast<int>(state.range(2)));
}

void BM_Frame(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, chart.moment);
}
BENCHMARK(BM_Frame)->Apply(ChartArguments);

// The default frame with the deep-sky (on bit 0) and Milky Way (bit 1) layers off and on.
void BM_Frame_DeepSky(benchmark::State& state) {
  BenchChart chart(false, state.range(0) != 0, 0);
  chart.view.GetLayers().showDeepSky = (state.range(1) & 1) != 0;
  chart.view.GetLayers().showMilkyWay = (state.range(1) & 2) != 0;
  chart.Warm();
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, chart.moment);
}
BENCHMARK(BM_Frame_DeepSky)
    ->ArgNames({"large", "on"})
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

// Apparent places of the date: a frame of a moment already prepared, as a drag draws it.
void BM_Frame_Precise(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  const Moment precise(BenchChart::TIME, chart.observer, true);
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, precise);
}
BENCHMARK(BM_Frame_Precise)
    ->ArgNames({"south", "large", "zoom"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 5}})
    ->Unit(benchmark::kMicrosecond);

void BM_Layer_HorizontalGrid(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) DrawHorizontalGrid(chart.Layer(), chart.image);
}
BENCHMARK(BM_Layer_HorizontalGrid)->Apply(ChartArguments);

void BM_Layer_EquatorialGrid(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) DrawEquatorialGrid(chart.Layer(), chart.image);
}
BENCHMARK(BM_Layer_EquatorialGrid)->Apply(ChartArguments);

void BM_Layer_Lines(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) DrawConstellationLines(chart.Layer(), chart.image);
}
BENCHMARK(BM_Layer_Lines)->Apply(ChartArguments);

void BM_Layer_Boundaries(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) DrawConstellationBoundaries(chart.Layer(), chart.image);
}
BENCHMARK(BM_Layer_Boundaries)->Apply(ChartArguments);

void BM_Layer_Stars(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  for (auto _ : state) DrawStars(chart.Layer(), chart.image);
}
BENCHMARK(BM_Layer_Stars)->Apply(ChartArguments);

// The least any star layer must do: the same walk over the star files it reads (Stars.dat, and
// FaintStars.dat at 11.25 degrees or narrower) with the same band and magnitude tests, and
// nothing else.
int64_t FloorWalk(const std::string& path, double low, double high, int32_t offset) {
  int64_t kept = 0;
  RecordFile file(STAR_RECORD_SIZE);
  file.Open(path, STARS_TAG);
  while (const uint8_t* bytes = file.Next()) {
    const double d = ReadF64(bytes + 8);
    const int32_t magnitude = ReadI16(bytes + 16) + offset;
    kept += (low <= d && d <= high && magnitude <= 600) ? 1 : 0;
  }
  return kept;
}

void BM_StarFloor(benchmark::State& state) {
  BenchChart chart = MakeChart(state);
  const VisibleCap cap = VisibleCap::ForView(chart.view.GetProjection(), 0.0);
  double hourAngle = 0.0;
  double declination = 0.0;
  chart.observer.HorizontalToEquatorial(cap.azimuth, cap.altitude, hourAngle, declination);
  double low = 0.0;
  double high = 0.0;
  LatitudeBand(declination, cap.radius, low, high);
  const double field = chart.view.GetProjection().GetFieldOfView();
  const int32_t t = static_cast<int32_t>((std::log(field / (PI / 2)) / std::log(2.0)) * -100.0);
  const int32_t offset = std::max(100 - t, -200);
  const bool faint = ShowsCloseDetail(field);
  const int32_t faintOffset =
      static_cast<int32_t>(100.0 - 100.0 * std::log2(HALF_PI / field)) - 200;
  for (auto _ : state) {
    int64_t kept = FloorWalk(chart.view.GetLayers().starsPath, low, high, offset);
    if (faint) kept += FloorWalk(chart.view.GetLayers().faintStarsPath, low, high, faintOffset);
    benchmark::DoNotOptimize(kept);
  }
}
BENCHMARK(BM_StarFloor)->Apply(ChartArguments);

// The five view layers (names, ground, daylight, ecliptic) on and off, looking at the zenith
// and south: the cost of the names and the ground over the plain frame.
void BM_Frame_ViewLayers(benchmark::State& state) {
  BenchChart chart(state.range(0) != 0, state.range(1) != 0, 0);
  // Off: only the five layers of this row; the deep sky and the Milky Way stay as by default.
  constexpr uint16_t FIVE_LAYERS = LAYER_CONSTELLATION_NAMES_HIDDEN | LAYER_STAR_NAMES_HIDDEN |
                                   LAYER_GROUND_HIDDEN | LAYER_DAYLIGHT_HIDDEN |
                                   LAYER_ECLIPTIC_HIDDEN;
  chart.view.GetLayers().ApplyViewLayerFlags(state.range(2) != 0 ? 0 : FIVE_LAYERS);
  chart.Warm();
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, chart.moment);
}
// The chart as a new user first sees it: the layers on by default, the view layers all on.
void BM_Frame_Default(benchmark::State& state) {
  BenchChart chart(false, state.range(0) != 0, 0);
  chart.view.GetLayers().ApplyLayerFlags(DEFAULT_LAYER_FLAGS);
  chart.view.GetLayers().ApplyViewLayerFlags(0);
  chart.Warm();
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, chart.moment);
}
BENCHMARK(BM_Frame_Default)->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_Frame_ViewLayers)
    ->ArgNames({"south", "large", "on"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The dusk sky looking south, the Sun 6 degrees down in the south-west: one flat fill of the
// chart (glow 0), the glow redrawn for the same view (glow 1: a tap, a panel, the clock within
// its minute) and for a view turned by a pixel each frame (glow 2: a pan, the sky model at
// every block).
void BM_SkyGlow(benchmark::State& state) {
  BenchChart chart(true, false, 0);
  const SkyLight light = SkyLightToward(DirectionOf(225.0 * DEG_TO_RAD, -6.0 * DEG_TO_RAD));
  Projection& projection = chart.view.GetProjection();
  const Rect& r = projection.GetViewRect();
  const Point corners[4] = {
      {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  SkyGlow glow;
  double turn = 0.001;
  for (auto _ : state) {
    if (state.range(0) == 0) {
      chart.image.FillArea("sky", corners, 4, light.background);
      continue;
    }
    if (state.range(0) == 2) {
      projection.SetRotation(projection.GetRotation() + turn);
      turn = -turn;
    }
    glow.Draw(projection, chart.image, light);
  }
}
BENCHMARK(BM_SkyGlow)->ArgName("glow")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Placing 300 names of every kind over a phone-sized chart, measured in the chart's font.
void BM_LabelPlacement_300(benchmark::State& state) {
  EnsureApplication();
  const Rect chart{0, 0, 360, 720};
  const ImageSurface surface(chart.right, chart.bottom);
  std::mt19937 random(300);
  std::uniform_real_distribution<double> x(0.0, chart.right);
  std::uniform_real_distribution<double> y(0.0, chart.bottom);
  std::uniform_int_distribution<int> rank(0, 4);
  std::vector<LabelCandidate> candidates;
  for (int i = 0; i < 300; ++i) {
    const auto kind = static_cast<LabelRank>(rank(random));
    candidates.push_back({x(random), y(random), kind == LabelRank::Body ? 4.0 : 0.0,
                          u"Name " + std::u16string(1, u'A' + i % 26), kind, i * 0.01, 0,
                          kind == LabelRank::Constellation});
  }
  for (auto _ : state) benchmark::DoNotOptimize(PlaceLabels(candidates, {}, surface, chart));
}
BENCHMARK(BM_LabelPlacement_300)->Unit(benchmark::kMicrosecond);

void BM_IdentifyObject(benchmark::State& state) {
  BenchChart chart(false, false, 0);
  for (auto _ : state) {
    PickedLabel label;
    chart.view.IdentifyObject(label, 100, 120, chart.moment);
    benchmark::DoNotOptimize(label);
  }
  state.SetLabel("shipped labels");
}
BENCHMARK(BM_IdentifyObject)->Unit(benchmark::kMicrosecond);

// A star catalog of count records, uniform over the sphere, with the shipped catalog's
// magnitudes and colours repeated; written once per size into the temporary folder.
std::string SyntheticStars(int64_t count) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("halvane-bench-stars-" + std::to_string(count) + ".dat");
  const uintmax_t size = HEADER_SIZE + STAR_RECORD_SIZE * static_cast<uintmax_t>(count);
  std::error_code error;
  if (std::filesystem::file_size(path, error) == size) return path.string();

  std::vector<StarRecord> shipped;
  WalkRecords(DATA + "Stars.dat", STARS_TAG, STAR_RECORD_SIZE,
              [&](const uint8_t* bytes) { shipped.push_back(DecodeStar(bytes)); });
  if (shipped.empty()) shipped.push_back(StarRecord{0.0, 0.0, 500, 50});
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<uint8_t> bytes(size);
  EncodeHeader(STARS_TAG, bytes.data());
  for (int64_t i = 0; i < count; ++i) {
    StarRecord star = shipped[static_cast<size_t>(i) % shipped.size()];
    star.rightAscension = TWO_PI * unit(random);
    star.declination = std::asin(2.0 * unit(random) - 1.0);
    EncodeStar(star, bytes.data() + HEADER_SIZE + STAR_RECORD_SIZE * static_cast<size_t>(i));
  }
  const std::string temporary = path.string() + ".part";
  std::ofstream(temporary, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
  std::filesystem::rename(temporary, path, error);
  return path.string();
}

void BM_Frame_SyntheticStars(benchmark::State& state) {
  BenchChart chart(false, false, 0, SyntheticStars(state.range(0)));
  for (auto _ : state) chart.view.DrawFrame(chart.image, chart.progress, chart.moment);
  state.counters["records"] = static_cast<double>(state.range(0));
}
// Longer runs than the others: the growth figure divides differences of these frames.
BENCHMARK(BM_Frame_SyntheticStars)
    ->ArgName("records")
    ->Arg(250000)
    ->Arg(500000)
    ->Arg(1000000)
    ->MinTime(0.2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
