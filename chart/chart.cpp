// The chart's set-up and the identification of tapped objects.
#include "chart/chart.h"

#include <utility>

namespace halvane {

Chart::Chart(const Rect& viewRect, Observer* observer, std::unique_ptr<Bitmap> starSprites)
    : projection(viewRect, observer), progress(viewRect) {
  starLayer.sprites = std::move(starSprites);
}

void Chart::SetViewRect(const Rect& rect) {
  progress.SetViewRect(rect);
  projection.SetViewRect(rect);
}

void Chart::IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const SkyPlaces& sky) const {
  halvane::IdentifyObject(projection, layers, label, x, y, sky);
}

}  // namespace halvane
