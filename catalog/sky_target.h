// The one way from a name to an object and from an object to its place: what Find, Tonight,
// the reticle and halvane-render --goto turn to.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/moment.h"
#include "catalog/object_ref.h"
#include "catalog/sky_names.h"

namespace halvane {

class SatelliteSet;

// A J2000 place, radians.
struct SkyPoint {
  double rightAscension;
  double declination;
};

// An object with the name Find shows for it.
struct NamedRef {
  ObjectRef object;
  std::string name;  // UTF-8
};

// The first completion of text (see NameIndex::Complete) as its CanonicalObject, with the name
// completed (a constellation's or Names.dat object's own name when another was typed); a
// satellite of satellites before it unless a sky object has exactly the name typed ("Atlas"
// is the star). Empty when nothing matches.
std::optional<NamedRef> ResolveName(const SkyNames& names, std::string_view text,
                                    const SatelliteSet* satellites = nullptr);

// Where the object stands on the catalog's frame: a body's, comet's or asteroid's place is the
// moment's. Empty for a reference out of range, a body without a place then, an asteroid
// named before its elements are loaded and a satellite (whose place is not a fixed J2000
// point: see SatelliteSet).
std::optional<SkyPoint> PlaceOf(const SkyNames& names, ObjectRef object, const Moment& moment);

// The name of a reference from names and the moment's comets and asteroids, as Find shows
// it; empty for one out of range and for a satellite.
std::string NameOf(const SkyNames& names, ObjectRef object, const Moment& moment);

}  // namespace halvane
