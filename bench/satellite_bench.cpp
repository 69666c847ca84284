// Speed of the satellites: the layer's pan frame over 200 satellites, their places at a new
// moment, and the passes of 200 satellites over three days.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "astro/moment.h"
#include "astro/observer.h"
#include "astro/satellite_passes.h"
#include "catalog/layer_memory.h"
#include "catalog/satellite_layer.h"
#include "platform/image_surface.h"
#include "tools/render_chart.h"
#include "view/frame_context.h"
#include "view/projection.h"

namespace halvane {
namespace {

constexpr CalendarTime SATELLITE_BENCH_TIME{2026, 12, 3, 9, 18, 20, 0, 0};

// 200 low orbits of the sky's brightest kind, spread over planes and phases, epoch a day back.
std::shared_ptr<SatelliteSet> BenchSatellites() {
  std::vector<OrbitalElements> elements;
  for (int i = 0; i < 200; ++i) {
    OrbitalElements e;
    e.name = "SAT " + std::to_string(i);
    e.catalogNumber = 40000 + i;
    e.epochJulianDay = 2461382.5;
    e.epochJulianDayFraction = 0.5;
    e.meanMotion = 14.2 + (i % 13) * 0.12;
    e.eccentricity = 0.0005 + (i % 7) * 0.001;
    e.inclinationDeg = 45.0 + (i % 11) * 5.0;
    e.raanDeg = (i * 37) % 360;
    e.argumentOfPerigeeDeg = (i * 53) % 360;
    e.meanAnomalyDeg = (i * 97) % 360;
    e.bstar = 1e-4;
    elements.push_back(e);
  }
  auto set = std::make_shared<SatelliteSet>();
  set->Add(elements, false);
  return set;
}

struct SatelliteBench {
  SatelliteBench()
      : projection(Rect{0, 0, 240, 294}),
        moment(SATELLITE_BENCH_TIME, Observer(-2.35, 48.85), false),
        set(BenchSatellites()) {
    layers.showSatellites = true;
    // Drawn whatever the Sun, as on a dark sky.
    layers.showDaylight = false;
  }
  // The layer's frame of the moment, its names going to names.
  void Draw(Surface& surface, std::vector<LabelCandidate>& names) {
    const FrameContext frame{projection, layers,  moment,  light,   pens,
                             names,      strip,   screen,  nullptr, set.get(),
                             -1,         nullptr, &memory, nullptr, nullptr};
    DrawSatellites(frame, surface);
  }
  Projection projection;
  Moment moment;
  std::shared_ptr<SatelliteSet> set;
  LayerSet layers;
  SkyLight light;
  FramePens pens;
  ProgressStrip strip{Rect{0, 0, 240, 294}};
  DiscardSurface screen;
  LayerMemory memory;
};

// A frame that pans: the places of the moment are kept, only drawn.
void BM_Layer_Satellites_200(benchmark::State& state) {
  SatelliteBench bench;
  ImageSurface surface(240, 294);
  std::vector<LabelCandidate> names;
  for (auto _ : state) {
    names.clear();
    bench.Draw(surface, names);
  }
  state.counters["shown"] = static_cast<double>(names.size());
}
BENCHMARK(BM_Layer_Satellites_200)->Unit(benchmark::kMicrosecond);

// A new moment: every satellite propagated, the tracks of those up.
void BM_SatellitePlaces_200(benchmark::State& state) {
  SatelliteBench bench;
  const GroundSite site{-2.35, 48.85, 0.0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComputeSatellitePlaces(*bench.set, bench.moment.GetJulianDayUt(), site));
  }
}
BENCHMARK(BM_SatellitePlaces_200)->Unit(benchmark::kMicrosecond);

void BM_SatellitePasses_200x3Days(benchmark::State& state) {
  const std::shared_ptr<SatelliteSet> set = BenchSatellites();
  const GroundSite site{-2.35, 48.85, 0.0};
  size_t passes = 0;
  for (auto _ : state) {
    passes = 0;
    for (const Satellite& satellite : set->All()) {
      passes += FindPasses(satellite.model, 2461384.0, 2461387.0, site).size();
    }
  }
  state.counters["passes"] = static_cast<double>(passes);
}
BENCHMARK(BM_SatellitePasses_200x3Days)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
