// Speed of one SGP4 step: a near-Earth set (the space station) and a deep-space set with the
// half-day resonance (a Molniya orbit), five hours from their epochs, and the latter a week on.
#include <benchmark/benchmark.h>

#include "astro/sgp4.h"
#include "catalog/orbital_elements_reader.h"

namespace halvane {
namespace {

constexpr const char* ISS =
    "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537\n";
constexpr const char* MOLNIYA =
    "1 08195U 75081A   06176.33215444  .00000099  00000-0  11873-3 0   813\n"
    "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656\n";

void Step(benchmark::State& state, const char* text, double minutes) {
  const Sgp4 model(ReadOrbitalElements(text).elements.at(0));
  TemeState teme{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(model.Propagate(minutes, teme));
    benchmark::DoNotOptimize(teme);
    minutes += 1e-3;
  }
}

void BM_Sgp4_StepNearEarth(benchmark::State& state) { Step(state, ISS, 300.0); }
BENCHMARK(BM_Sgp4_StepNearEarth);

void BM_Sgp4_StepDeepSpace(benchmark::State& state) { Step(state, MOLNIYA, 300.0); }
BENCHMARK(BM_Sgp4_StepDeepSpace);

// A week from the epoch: the resonance integrator goes on from the previous call's time.
void BM_Sgp4_StepDeepSpaceWeekOld(benchmark::State& state) { Step(state, MOLNIYA, 10080.0); }
BENCHMARK(BM_Sgp4_StepDeepSpaceWeekOld);

}  // namespace
}  // namespace halvane
