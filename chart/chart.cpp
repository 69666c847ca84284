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

void Chart::IdentifyObject(PickedLabel& label, int32_t x, int32_t y, const Moment& moment) const {
  std::vector<TapTarget> targets;
  for (int index = 0; layers.showSolarSystem && index < BODY_COUNT; ++index) {
    const BodyPlace& place = moment.GetBodies()[index];
    if (!place.available) continue;
    targets.push_back({place.rightAscension, place.declination, BodyName(static_cast<Body>(index)),
                       place.magnitude});
  }
  skyLabelNames.Load(layers);
  halvane::IdentifyObject(projection, layers, label, x, y, moment.GetSky(), targets,
                          &skyLabelNames);
}

}  // namespace halvane
