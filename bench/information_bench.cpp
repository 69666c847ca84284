// Speed of tap to learn: what the information panel computes when it opens (the Moon, whose
// day needs the most, and a star), and the Tonight list.
#include <benchmark/benchmark.h>

#include <string>

#include "catalog/deep_sky_list.h"
#include "catalog/sky_names.h"
#include "catalog/sky_target.h"
#include "catalog/star_list.h"
#include "chart/object_info.h"
#include "chart/tonight.h"

namespace halvane {
namespace {

const std::string DATA = HALVANE_SOURCE_DIR "/data/";
constexpr CalendarTime EVENING = {2026, 3, 3, 11, 18, 0, 0, 0};  // UTC
constexpr double LONGITUDE = -14.4;                              // degrees, west positive
constexpr double LATITUDE = 50.1;

// name: 0 the Moon, 1 Sirius, 2 M42 (its DeepSky.dat record and other names read).
void BM_InfoPanel_Open(benchmark::State& state) {
  static const SkyNames names =
      LoadSkyNames(DATA + "Labels.dat", DATA + "Names.dat", DATA + "DeepSky.dat");
  static const std::vector<StarRecord> stars = LoadStarList(DATA + "Stars.dat");
  constexpr const char* NAMES[] = {"Moon", "Sirius", "M42"};
  const char* name = NAMES[state.range(0)];
  state.SetLabel(name);
  for (auto _ : state) {
    // A new moment each time: the panel opens on a chart whose bodies are not known yet.
    const Moment moment(EVENING, Observer(LONGITUDE, LATITUDE), false);
    const ObjectRef object = ResolveName(names, name)->object;
    benchmark::DoNotOptimize(InfoPanelLines(*DescribeObject(names, stars, object, moment)));
  }
}
BENCHMARK(BM_InfoPanel_Open)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Tonight(benchmark::State& state) {
  static const std::vector<NumberedDeepSky> deepSky = LoadBrightDeepSky(DATA + "DeepSky.dat", 800);
  for (auto _ : state) {
    const Moment moment(EVENING, Observer(LONGITUDE, LATITUDE), false);
    benchmark::DoNotOptimize(TonightEntries(ComputeTonight(moment, DeviceOffset, deepSky), "Here"));
  }
}
BENCHMARK(BM_Tonight)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
