// The layer set: the switches to and from Config.dat's flags, and a data folder's files.
#include "view/layer_set.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace halvane {
namespace {

TEST(LayerSet, FlagsRoundTripBitByBitAndTheFolderNamesTheFourCatalogs) {
  LayerSet layers;
  EXPECT_EQ(layers.LayerFlags(), LAYER_HORIZONTAL_GRID | LAYER_CONSTELLATION_LINES);
  for (uint16_t flags = 0; flags < 32; ++flags) {
    for (const uint16_t precise : {uint16_t{0}, LAYER_PRECISE_POSITIONS}) {
      // Unknown bits are dropped.
      layers.ApplyLayerFlags(static_cast<uint16_t>(flags | precise | 0xFFC0));
      EXPECT_EQ(layers.LayerFlags(), flags | precise);
      EXPECT_EQ(layers.precisePositions, precise != 0);
    }
  }
  // Files from before the solar system (bit 4 clear) show it; the grids-and-lines example
  // still saves as 13 while it is shown.
  layers.ApplyLayerFlags(13);
  EXPECT_TRUE(layers.showSolarSystem);
  EXPECT_EQ(layers.LayerFlags(), 13);
  layers.ApplyLayerFlags(13 | LAYER_SOLAR_SYSTEM_HIDDEN);
  EXPECT_FALSE(layers.showSolarSystem);
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
