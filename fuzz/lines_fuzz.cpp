// Fuzzes ConLin.dat as it comes: the bytes become the file, and whole frames with every layer on
// are drawn from it at a few fixed views. The other catalogs are small valid ones.
#include <cstddef>
#include <cstdint>

#include "astro/observer.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  Observer observer;
  Chart view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites));
  UseSampleCatalogs(view);
  view.GetLayers().linesPath = WriteFuzzFile("ConLin.dat", data, size);
  DrawFramesAtFixedViews(view);
  return 0;
}
