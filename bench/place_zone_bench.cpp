// The cost of a place's time zone: finding it from the place (once a place), and writing a
// time in it with its name (once a caption, so once a frame while a fixed time is shown).
#include <benchmark/benchmark.h>

#include <string>

#include "catalog/city_catalog.h"
#include "platform/zone_time.h"
#include "shell/place_zone.h"

namespace halvane {
namespace {

void BM_PlaceZone_FromPlace(benchmark::State& state) {
  CityCatalog catalog;
  LoadCityCatalog(HALVANE_SOURCE_DIR "/data/Cities.dat", catalog);
  for (auto _ : state) benchmark::DoNotOptimize(PlaceZone(catalog.cities, -139.2, 35.9));
}
BENCHMARK(BM_PlaceZone_FromPlace)->Unit(benchmark::kMillisecond);

void BM_PlaceZone_CaptionTime(benchmark::State& state) {
  const std::string zone = "Europe/Paris";
  const CalendarTime utc{2024, 7, 0, 15, 20, 0, 0, 0};
  for (auto _ : state) {
    CalendarTime local = utc;
    benchmark::DoNotOptimize(UniversalToZone(zone, local));
    benchmark::DoNotOptimize(ZoneAbbreviation(zone, utc));
  }
}
BENCHMARK(BM_PlaceZone_CaptionTime)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvane
