// Speed of the comets and asteroids: the places of 1000 bodies for one moment, a frame that
// only pans (which asks the moment again), and the layer over a chart.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/moment.h"
#include "astro/observer.h"
#include "bench/bench_application.h"
#include "catalog/minor_body_layer.h"
#include "platform/image_surface.h"
#include "tools/render_chart.h"
#include "view/frame_context.h"
#include "view/layer_set.h"
#include "view/projection.h"
#include "view/view_directions.h"

namespace halvane {
namespace {

constexpr CalendarTime MINOR_BODY_TIME{2026, 12, 2, 8, 21, 0, 0, 0};
constexpr double JD_2026 = 2461376.0;

// Bright asteroids' and comets' kinds of orbits: nine asteroids of e below 0.3 for one comet of
// e from 0.5 to 1.2, perihelia spread over five years around the moment; about a third bright
// enough to draw.
SharedMinorBodies SyntheticBodies(int count) {
  std::mt19937 random(31);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto bodies = std::make_shared<MinorBodyList>();
  for (int i = 0; i < count; ++i) {
    MinorBodyElements b;
    const bool comet = i % 10 == 9;
    b.kind = comet ? MinorBodyKind::Comet : MinorBodyKind::Asteroid;
    b.designation = std::to_string(i + 1);
    b.name = "(" + b.designation + ") Body";
    b.label = "Body " + b.designation;
    b.eccentricity = comet ? 0.5 + 0.7 * unit(random) : 0.3 * unit(random);
    b.perihelionDistance = comet ? 0.3 + 2.0 * unit(random) : 1.5 + 2.0 * unit(random);
    b.perihelionTime = JD_2026 + 1800.0 * (unit(random) - 0.5);
    b.argumentOfPerihelion = TWO_PI * unit(random);
    b.ascendingNode = TWO_PI * unit(random);
    b.inclination = (comet ? PI : 0.5) * unit(random);
    b.absoluteMagnitude = comet ? 4.0 + 8.0 * unit(random) : 3.0 + 9.0 * unit(random);
    b.slope = comet ? 4.0 : 0.15;
    bodies->push_back(b);
  }
  return bodies;
}

void BM_MinorBodies_Moment_1000(benchmark::State& state) {
  const SharedMinorBodies bodies = SyntheticBodies(1000);
  for (auto _ : state) {
    const Moment moment(MINOR_BODY_TIME, Observer(-20.0, 50.0), false, bodies);
    benchmark::DoNotOptimize(moment.GetMinorBodies().data());
  }
}
BENCHMARK(BM_MinorBodies_Moment_1000)->Unit(benchmark::kMicrosecond);

// What a frame that only pans asks of a moment whose places are known.
void BM_MinorBodies_PanFrame_1000(benchmark::State& state) {
  const Moment moment(MINOR_BODY_TIME, Observer(-20.0, 50.0), false, SyntheticBodies(1000));
  moment.GetMinorBodies();
  for (auto _ : state) benchmark::DoNotOptimize(moment.GetMinorBodies().data());
}
BENCHMARK(BM_MinorBodies_PanFrame_1000)->Unit(benchmark::kNanosecond);

void BM_Layer_MinorBodies_1000(benchmark::State& state) {
  EnsureApplication();
  const bool large = state.range(0) != 0;
  const Rect chart{0, 0, large ? 1080 : 240, large ? 1320 : 294};
  Observer observer;
  observer.SetLocation(-20.0, 50.0);
  Projection projection(chart);
  projection.SetViewDirection(VIEW_SOUTH.azimuth, VIEW_SOUTH.altitude);
  LayerSet layers;
  layers.showMinorBodies = true;
  layers.showGround = true;
  // all: every body drawn and named, however faint (the worst case), the stars' limit pushed
  // far past them; else those the chart's limit lets through, as a frame draws them.
  if (state.range(1) != 0) layers.starLimitOffset = 100;
  ImageSurface image(chart.right, chart.bottom);
  const Moment moment(MINOR_BODY_TIME, observer, false, SyntheticBodies(1000));
  const SkyLight light;
  const FramePens pens;
  std::vector<LabelCandidate> names;
  ProgressStrip strip(chart);
  DiscardSurface screen;
  const FrameContext frame{projection, layers,  moment, light,   pens,    names,   strip,  screen,
                           nullptr,    nullptr, -1,     nullptr, nullptr, nullptr, nullptr};
  for (auto _ : state) {
    names.clear();
    DrawMinorBodies(frame, image);
  }
  state.counters["named"] = static_cast<double>(names.size());
}
BENCHMARK(BM_Layer_MinorBodies_1000)
    ->ArgNames({"large", "all"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvane
