// The layer set: the switches to and from Config.dat's flags, and a data folder's files.
#include "view/layer_set.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace halvane {
namespace {

TEST(LayerSet, FlagsRoundTripBitByBitAndTheFolderNamesTheFourCatalogs) {
  LayerSet layers;
  EXPECT_EQ(layers.LayerFlags(), LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES);
  for (uint16_t flags = 0; flags < 16; ++flags) {
    for (const uint16_t precise : {uint16_t{0}, LAYER_PRECISE_POSITIONS}) {
      // Unknown bits are dropped.
      layers.ApplyLayerFlags(static_cast<uint16_t>(flags | precise | 0xFFD0));
      EXPECT_EQ(layers.LayerFlags(), flags | precise);
      EXPECT_EQ(layers.precisePositions, precise != 0);
    }
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
