// The layer set: the four switches to and from Config.dat's flags, and a data folder's files.
#include "view/layer_set.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace halvane {
namespace {

TEST(LayerSet, FlagsRoundTripBitByBitAndTheFolderNamesTheFourCatalogs) {
  LayerSet layers;
  EXPECT_EQ(layers.LayerFlags(), LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES);
  for (uint16_t flags = 0; flags < 16; ++flags) {
    layers.ApplyLayerFlags(static_cast<uint16_t>(flags | 0xFFF0));  // unknown bits are dropped
    EXPECT_EQ(layers.LayerFlags(), flags);
  }
  layers.ApplyLayerFlags(LAYER_CONSTELLATION_BOUNDARIES);
  EXPECT_TRUE(layers.showConstellationBoundaries);
  EXPECT_FALSE(layers.showEquatorialGrid || layers.showHorizontalGrid ||
               layers.showConstellationLines);

  layers.UseDataFolder("/data/");
  EXPECT_EQ(layers.starsPath, "/data/Stars.dat");
  EXPECT_EQ(layers.linesPath, "/data/ConLin.dat");
  EXPECT_EQ(layers.boundariesPath, "/data/ConBon.dat");
  EXPECT_EQ(layers.labelsPath, "/data/Labels.dat");
}

}  // namespace
}  // namespace halvane
