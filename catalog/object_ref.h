// Which object a tap, Find, Tonight and the information panel mean: a record of a catalog, a
// body of the solar system, a comet or asteroid, or a satellite. Names are for people; these
// are how the program passes an object on without finding it again.
#pragma once

#include <cstdint>

namespace halvane {

enum class ObjectSource : uint8_t {
  Label,             // a record of Labels.dat, counted from 0 in file order
  NamedObject,       // a position in SkyNames::objects (a usable record of Names.dat)
  DeepSky,           // a record of DeepSky.dat, counted from 0 in file order
  Constellation,     // a row of the go-to table
  Body,              // a Body
  MinorBody,         // a position in the moment's comets and asteroids
  UnloadedAsteroid,  // a position in BRIGHT_ASTEROIDS: named before any elements are loaded
  Satellite,         // a position in the chart's SatelliteSet
};

struct ObjectRef {
  ObjectSource source = ObjectSource::Label;
  uint32_t index = 0;

  friend bool operator==(const ObjectRef&, const ObjectRef&) = default;
};

}  // namespace halvane
