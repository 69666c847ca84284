// The texts a catalog layer writes onto the chart when it cannot use its file.
#pragma once

#include <string>
#include <string_view>

#include "catalog/data_file.h"
#include "platform/surface.h"

namespace halvane {

constexpr std::u16string_view FILE_NOT_FOUND_TEXT = u"File not found";
constexpr std::u16string_view BOUNDARIES_NOT_FOUND_TEXT = u"File 'ConBon.dat' not found";
constexpr std::u16string_view UNSUPPORTED_VERSION_TEXT = u"Unsupported file version";
constexpr std::u16string_view FILE_TOO_LARGE_TEXT = u"File too large";

// Centred on the top line of the chart rectangle, in the colour and background mode that
// the frame has set; several failing layers write over one another.
void DrawLayerMessage(Surface& surface, const Rect& viewRect, std::u16string_view text);

// False, with notFoundText or the unsupported-version text written onto the chart, when a read
// of a layer's file gave result.
bool UsableLayerFile(WalkResult result, std::u16string_view notFoundText, Surface& surface,
                     const Rect& viewRect);

// Opens a layer's catalog and checks its header. When the file cannot be used, writes
// notFoundText or the unsupported-version text onto the chart and returns false.
bool OpenLayerFile(RecordFile& file, const std::string& path, std::string_view tag,
                   std::u16string_view notFoundText, Surface& surface, const Rect& viewRect);

}  // namespace halvane
