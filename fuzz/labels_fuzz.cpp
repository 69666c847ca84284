// Fuzzes Labels.dat: the bytes become the file, and taps at the chart's middle, corners and
// the farthest pixels a stylus message can carry search it at several zooms. A found name
// must stay terminated within the label.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "astro/observer.h"
#include "catalog/identify_object.h"
#include "chart/chart.h"
#include "fuzz/fuzz_chart.h"
#include "fuzz/fuzz_files.h"

namespace {

struct Tap {
  int32_t x;
  int32_t y;
};

constexpr Tap TAPS[] = {{120, 147}, {0, 0},           {239, 293},    {-1, 300},
                        {77, 21},   {-32768, -32768}, {32767, 32767}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halvane;
  Observer observer;
  Chart view(Rect{0, 0, 240, 294}, LoadBitmap(BitmapId::StarSprites));
  view.GetLayers().labelsPath = WriteFuzzFile("Labels.dat", data, size);
  const double theta = 1.1;
  for (int zoom = 0; zoom < 4; ++zoom) {
    for (const Tap& tap : TAPS) {
      PickedLabel label;
      label.name[0] = u'?';
      view.IdentifyObject(label, tap.x, tap.y, Moment(SkyPlaces(observer, theta)));
      FuzzCheck(std::find(std::begin(label.name), std::end(label.name), u'\0') !=
                std::end(label.name));
    }
    // Start, then a quarter, a sixteenth and the widest field.
    if (zoom < 2) {
      view.GetProjection().ZoomIn();
      view.GetProjection().ZoomIn();
    } else {
      for (int i = 0; i < 8; ++i) view.GetProjection().ZoomOut();
    }
  }
  return 0;
}
