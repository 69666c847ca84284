// Fuzzes Stars.dat as it comes: the bytes become the file, and whole frames with every layer on
// are drawn from it at a few fixed views. The other catalogs are small valid ones.
#include <cstddef>
#include <cstdint>

#include "astro/observer.h"
#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  Observer observer;
  Chart view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites));
  UseSampleCatalogs(view);
  view.GetLayers().starsPath = WriteFuzzFile("Stars.dat", data, size);
  DrawFramesAtFixedViews(view);
  // Every whole record is counted, usable or not; a partial one is not.
  if (size >= HEADER_SIZE && ValidateHeader(data, STARS_TAG)) {
    FuzzCheck(static_cast<size_t>(view.GetStarCount()) == (size - HEADER_SIZE) / STAR_RECORD_SIZE);
  }
  return 0;
}
