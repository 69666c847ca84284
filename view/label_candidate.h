// A name that a layer would like written on the chart, before the placement decides where,
// or whether, it goes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace halvane {

// The more important kinds come first; within a kind, the brighter object, so the Sun and the
// Moon lead the bodies and the stars brighter than 1.5 all try before any constellation name.
enum class LabelRank : int32_t {
  Pinned = 0,     // the tapped or found object
  Body = 1,       // Sun, Moon and planets
  Satellite = 2,  // by brightness, after the planets
  MinorBody = 3,  // comets and asteroids
  Direction = 4,  // the points of the compass, on the horizon or at the chart's edge
  Star = 5,
  Constellation = 6,
  DeepSky = 7,  // the Messier objects and the others of magnitude 9 and brighter
  FaintDeepSky = 8,
};

struct LabelCandidate {
  double x = 0.0;  // the named point, client pixels
  double y = 0.0;
  double keepOut = 0.0;  // pixels around the point no name may cover (a disc, a sprite)
  std::u16string text;
  LabelRank rank = LabelRank::Star;
  double magnitude = 0.0;  // smaller first within a rank
  Color color = 0;
  bool centred = false;  // written centred on the point, or not at all
  Color halo = 0;        // the ring around the glyphs: the sky behind the name
};

}  // namespace halvane
