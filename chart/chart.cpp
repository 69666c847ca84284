// The chart's set-up and the identification of tapped objects.
#include "chart/chart.h"

#include <utility>
#include <vector>

namespace halvane {

Chart::Chart(const Rect& viewRect, const Observer* observer, std::unique_ptr<Bitmap> starSprites)
    : projection(viewRect, observer), progress(viewRect) {
  starLayer.sprites = std::move(starSprites);
}

void Chart::SetViewRect(const Rect& rect) {
  progress.SetViewRect(rect);
  projection.SetViewRect(rect);
}

void Chart::IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const SkyPlaces& sky) const {
  std::vector<TapTarget> targets;
  for (int index = 0; index < BODY_COUNT; ++index) {
    const BodyPlace& place = bodies[index];
    if (!place.available) continue;
    targets.push_back(
        {place.rightAscension, place.declination, BodyName(static_cast<Body>(index))});
  }
  halvane::IdentifyObject(projection, layers, label, x, y, sky, targets);
}

}  // namespace halvane
