// A name that a layer would like written on the chart, before the placement decides where,
// or whether, it goes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace halvane {

// The more important kinds come first; within a kind, the brighter object.
enum class LabelRank : int32_t {
  Pinned = 0,     // the tapped or found object
  Body = 1,       // Sun, Moon and planets
  MinorBody = 2,  // comets and asteroids
  Direction = 3,  // the points of the compass on the horizon
  Star = 4,
  Constellation = 5,
  DeepSky = 6,
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
};

}  // namespace halvane
