// Writing a layer's file problem onto the chart.
#include "catalog/layer_message.h"

namespace halvane {

void DrawLayerMessage(Surface& surface, const Rect& viewRect, std::u16string_view text) {
  surface.DrawText(text, viewRect, TEXT_CENTER | TEXT_VCENTER);
}

}  // namespace halvane
