// PickedLabel: the name of a tapped object and the pixel where the chart writes it.
#pragma once

#include <cstdint>

namespace halvane {

constexpr int LABEL_NAME_UNITS = 20;

// All zero means no label.
struct PickedLabel {
  int32_t x = 0;
  int32_t y = 0;
  char16_t name[LABEL_NAME_UNITS] = {};  // zero-terminated UTF-16
};

}  // namespace halvane
