// Every name that Find completes: the names of Labels.dat, the 88 constellations and the
// ten solar-system bodies.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_records.h"
#include "catalog/name_search.h"

namespace halvane {

constexpr std::array<std::string_view, 10> SOLAR_SYSTEM_BODIES = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// Entry indexes: Label, a position in labels (the usable records of Labels.dat, in file
// order); Constellation, a row of GO_TO_TABLE; Body, a position in SOLAR_SYSTEM_BODIES.
// Bodies rank before constellations, and those before labels. A label that only repeats a
// constellation's or a body's name (the constellation names of Labels.dat) is left out: the
// go-to row finds it.
struct SkyNames {
  std::vector<LabelRecord> labels;
  NameIndex index;
};

// A missing or unreadable Labels.dat leaves the constellations and bodies.
SkyNames LoadSkyNames(const std::string& labelsPath);

}  // namespace halvane
