// Speed of completion: one query of typical and worst kinds (a single letter matches the
// most names) over every sky name of Find and over all the shipped cities, and loading the
// cities with their index.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "catalog/city_catalog.h"
#include "catalog/sky_names.h"

namespace halvane {
namespace {

const std::string DATA = HALVANE_SOURCE_DIR "/data/";
constexpr size_t SHOWN = 12;  // completions a list shows at once

constexpr std::array<std::string_view, 10> QUERIES = {"a",   "s",     "m",   "betel", "m31",
                                                      "jup", "orion", "sao", "tok",   "new y"};

const NameIndex& Index(int names) {
  static const SkyNames sky = LoadSkyNames(DATA + "Labels.dat", DATA + "Names.dat");
  static const CityCatalog cities = [] {
    CityCatalog catalog;
    LoadCityCatalog(DATA + "Cities.dat", catalog);
    return catalog;
  }();
  return names == 0 ? sky.index : cities.index;
}

// names: 0 every sky name, 1 all cities; query: a position in QUERIES.
void BM_NameSearch_Complete(benchmark::State& state) {
  const NameIndex& index = Index(static_cast<int>(state.range(0)));
  const std::string_view query = QUERIES[static_cast<size_t>(state.range(1))];
  state.SetLabel(std::string(query));
  for (auto _ : state) benchmark::DoNotOptimize(index.Complete(query, SHOWN));
}
BENCHMARK(BM_NameSearch_Complete)
    ->ArgsProduct({{0, 1}, benchmark::CreateDenseRange(0, QUERIES.size() - 1, 1)})
    ->ArgNames({"names", "query"})
    ->Unit(benchmark::kMicrosecond);

// A name typed with one error, which no name begins: Find's "Did you mean" walks every key.
void BM_NameSearch_Suggest(benchmark::State& state) {
  const NameIndex& index = Index(0);
  for (auto _ : state) benchmark::DoNotOptimize(index.Suggest("Betelguese", 3));
}
BENCHMARK(BM_NameSearch_Suggest)->Unit(benchmark::kMicrosecond);

void BM_NameSearch_LoadCities(benchmark::State& state) {
  for (auto _ : state) {
    CityCatalog catalog;
    LoadCityCatalog(DATA + "Cities.dat", catalog);
    benchmark::DoNotOptimize(catalog.index.Entries().size());
  }
}
BENCHMARK(BM_NameSearch_LoadCities)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
