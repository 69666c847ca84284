// Identification of a tapped object, and PickedLabel: the name it finds and the pixel where
// the chart writes it.
#pragma once

#include <cstdint>

#include "astro/sky_places.h"

namespace halvane {

class Projection;
struct LayerSet;

constexpr int LABEL_NAME_UNITS = 20;

// All zero means no label.
struct PickedLabel {
  int32_t x = 0;
  int32_t y = 0;
  char16_t name[LABEL_NAME_UNITS] = {};  // zero-terminated UTF-16
};

// Finds the Labels.dat object nearest to client pixel (x, y) in the sky and, when it lies
// within a tenth of the field of view, writes its name and pixel into label; else leaves label.
void IdentifyObject(const Projection& projection, const LayerSet& layers, PickedLabel& label,
                    int32_t x, int32_t y, const SkyPlaces& sky);

}  // namespace halvane
