// Every name that Find completes: the names of Labels.dat and Names.dat, the 88
// constellations and the ten solar-system bodies.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "astro/minor_body.h"
#include "catalog/catalog_records.h"
#include "catalog/name_search.h"
#include "catalog/object_ref.h"
#include "catalog/sky_records.h"

namespace halvane {

constexpr std::array<std::string_view, 10> SOLAR_SYSTEM_BODIES = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

// Rank of a Names.dat name of a deep-sky object that Find shows beside its first name.
constexpr uint8_t COMMON_NAME_RANK = 5;

// A usable record of Names.dat and the name Find shows for its object: the object's first
// name, and for a deep-sky object its first common name after it ("M31 Andromeda Galaxy").
struct NamedObject {
  NameRecord record;
  std::string shown;
};

// What users ask for first, answered while no elements are loaded.
constexpr std::array<std::string_view, 4> BRIGHT_ASTEROIDS = {"(1) Ceres", "(2) Pallas", "(3) Juno",
                                                              "(4) Vesta"};

// Entry indexes: Label, a record of labels (every record of Labels.dat, in file order); Object, a
// position in objects; Constellation, a row of GO_TO_TABLE; Body, a position in
// SOLAR_SYSTEM_BODIES; MinorBody, a position in the comets and asteroids given, or in
// BRIGHT_ASTEROIDS while there are none. Bodies rank before comets and asteroids, those before
// constellations, those before labels, and those before the names of Names.dat, which rank by their
// rank and then brightness. A name that only repeats an earlier one (the constellation names of
// Labels.dat, the proper names of Names.dat that Labels.dat has) is left out: the earlier finds it.
struct SkyNames {
  std::vector<LabelRecord> labels;
  std::vector<NamedObject> objects;
  NameIndex index;
  std::string deepSkyPath;  // DeepSky.dat, whose records the deep-sky names count
  bool minorBodiesGiven = false;
  // The object each record of labels names where another source knows it better: the
  // constellation or body whose name a label repeats, the Names.dat object of a Messier
  // label ("M42 Orion Nebula" is "M42").
  std::map<uint32_t, ObjectRef> labelObjects;
  // The first of objects that names each record of DeepSky.dat.
  std::map<uint32_t, uint32_t> deepSkyObjects;
};

// Whether a name is a Messier number ("M42", "M 42 ...").
bool IsMessierName(std::string_view name);

// The object an entry of names.index stands for, as the panel describes it (see
// CanonicalObject).
ObjectRef ObjectOf(const SkyNames& names, const NameEntry& entry);

// The reference that knows most of the object: a label through labelObjects, a DeepSky.dat
// record through deepSkyObjects; any other unchanged. Taps, Find and Tonight all pass their
// objects through it, so the panel and the reticle see one object however it was named.
ObjectRef CanonicalObject(const SkyNames& names, ObjectRef object);

// A missing or unreadable catalog leaves the names of the others. Comets and asteroids are
// found by the name their list writes ("(1) Ceres", "12P/Pons-Brooks", "C/2023 A3 (...)"),
// whose words Find completes ("Ceres", "1", "Pons-Brooks").
SkyNames LoadSkyNames(const std::string& labelsPath, const std::string& namesPath,
                      const std::string& deepSkyPath = "",
                      const MinorBodyList* minorBodies = nullptr);

}  // namespace halvane
