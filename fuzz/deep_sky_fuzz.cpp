// Fuzzes DeepSky.dat as it comes: the bytes become the file, whole frames with the deep-sky
// layer on are drawn from it at a few fixed views (the narrowest too), and the chart is tapped
// all over. The other catalogs are small valid ones.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "astro/observer.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  Observer observer;
  Chart view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites));
  UseSampleCatalogs(view);
  view.GetLayers().showDeepSky = true;
  view.GetLayers().deepSkyPath = WriteFuzzFile("DeepSky.dat", data, size);
  DrawFramesAtFixedViews(view);
  const Moment moment(CalendarTime{2024, 1, 1, 15, 21, 30, 0, 0}, Observer(-18.3, 49.7), false);
  // Taps over the whole chart reach whatever objects the hostile file put on it.
  for (int32_t y = 4; y < 294; y += 24) {
    for (int32_t x = 4; x < 240; x += 24) {
      PickedLabel label;
      view.IdentifyObject(label, x, y, moment);
      FuzzCheck(std::find(std::begin(label.name), std::end(label.name), u'\0') !=
                std::end(label.name));
    }
  }
  return 0;
}
