// Identification of a tapped object, and PickedLabel: the object it finds, its name and the
// pixel where the chart writes it.
#pragma once

#include <cstdint>
#include <span>

#include "astro/sky_places.h"
#include "catalog/object_ref.h"

namespace halvane {

class Projection;
struct LayerSet;

// Room for a catalog name (19 characters) and Find's note after it.
constexpr int LABEL_NAME_UNITS = 40;

// An empty name means no label.
struct PickedLabel {
  int32_t x = 0;
  int32_t y = 0;
  char16_t name[LABEL_NAME_UNITS] = {};  // zero-terminated UTF-16
  ObjectRef object;                      // what the name names
};

// An object that can be tapped without being in Labels.dat (a body of the solar system).
struct TapTarget {
  double rightAscension;  // radians, on the catalog's frame
  double declination;
  const char* name;  // UTF-8
  ObjectRef object;
  double magnitude = 99.0;
};

class SkyLabelNames;

// Finds the object nearest in the sky to client pixel (x, y) among Labels.dat and targets (a label
// wins a tie) and, when it lies within a tenth of the field of view, writes it, its name and pixel
// into label; else leaves label. Of the objects within two pixels of that nearest one, the
// brightest is named (a star's magnitude from names; labels without one count as faint), so a
// bright star is not lost to a faint companion a few arcseconds closer to the finger. With the
// ground shown, a tap below the horizon leaves label. With names (loaded for layers), its copy of
// Labels.dat stands in for the file.
void IdentifyObject(const Projection& projection, const LayerSet& layers, PickedLabel& label,
                    int32_t x, int32_t y, const SkyPlaces& sky,
                    std::span<const TapTarget> targets = {}, const SkyLabelNames* names = nullptr);

}  // namespace halvane
