// Speed of the ephemeris for one frame and of the apparent place per star.
#include <benchmark/benchmark.h>

#include "astro/apparent_place.h"
#include "astro/delta_t.h"
#include "astro/solar_system.h"

namespace halvane {
namespace {

constexpr double JD_UT = 2461110.75;  // 2026 March 11, 6h UT
constexpr double LONGITUDE = -20.0;   // degrees, west positive
constexpr double LATITUDE = 50.0;     // degrees

void BM_SolarSystem_AllBodies(benchmark::State& state) {
  double jd = JD_UT;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeSolarSystem(jd, TerrestrialJulianDay(jd), LONGITUDE, LATITUDE));
    jd += 1e-6;
  }
}
BENCHMARK(BM_SolarSystem_AllBodies);

void BM_ApparentPlace_PerStar(benchmark::State& state) {
  const ApparentPlace place(JD_UT, TerrestrialJulianDay(JD_UT), LONGITUDE);
  double ra = 0.1, dec = 0.2, apparentRa, apparentDec;
  for (auto _ : state) {
    place.ToApparent(ra, dec, apparentRa, apparentDec);
    benchmark::DoNotOptimize(apparentRa);
    benchmark::DoNotOptimize(apparentDec);
    ra += 0.001;
  }
}
BENCHMARK(BM_ApparentPlace_PerStar);

}  // namespace
}  // namespace halvane
