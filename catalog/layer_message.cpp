// Writing a layer's file problem onto the chart.
#include "catalog/layer_message.h"

namespace halvane {

void DrawLayerMessage(Surface& surface, const Rect& viewRect, std::u16string_view text) {
  surface.DrawText(text, viewRect, TEXT_CENTER | TEXT_VCENTER);
}

bool UsableLayerFile(WalkResult result, std::u16string_view notFoundText, Surface& surface,
                     const Rect& viewRect) {
  switch (result) {
    case WalkResult::CannotOpen: DrawLayerMessage(surface, viewRect, notFoundText); return false;
    case WalkResult::HeaderRejected:
      DrawLayerMessage(surface, viewRect, UNSUPPORTED_VERSION_TEXT);
      return false;
    case WalkResult::TooLarge:
      DrawLayerMessage(surface, viewRect, FILE_TOO_LARGE_TEXT);
      return false;
    case WalkResult::Completed: return true;
  }
  return false;
}

bool OpenLayerFile(RecordFile& file, const std::string& path, std::string_view tag,
                   std::u16string_view notFoundText, Surface& surface, const Rect& viewRect) {
  return UsableLayerFile(file.Open(path, tag), notFoundText, surface, viewRect);
}

}  // namespace halvane
