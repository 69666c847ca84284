// The star sprite sheet as the program loads it: soft stars shrinking from column to column,
// tinted blue to red from row to row, on black.
#include "platform/bitmaps.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

uint32_t Red(uint32_t rgb) { return (rgb >> 16) & 0xFF; }
uint32_t Green(uint32_t rgb) { return (rgb >> 8) & 0xFF; }
uint32_t Blue(uint32_t rgb) { return rgb & 0xFF; }

TEST(StarSpriteSheet, ElevenShrinkingStarsInSevenTints) {
  const std::unique_ptr<Bitmap> sheet = LoadBitmap(BitmapId::StarSprites);
  ASSERT_NE(sheet, nullptr) << "star_sprites.png is not among the compiled-in resources";
  ASSERT_EQ(sheet->Width(), 121);
  ASSERT_EQ(sheet->Height(), 77);
  const int litTargets[11] = {118, 111, 92, 69, 45, 28, 21, 15, 9, 9, 5};
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 11; ++column) {
      const auto at = [&](int x, int y) { return sheet->PixelAt(column * 11 + x, row * 11 + y); };
      int lit = 0;
      for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) lit += at(x, y) != 0 ? 1 : 0;
      }
      EXPECT_NEAR(lit, litTargets[column], 4) << "row " << row << " column " << column;
      EXPECT_GE(Red(at(5, 5)) + Green(at(5, 5)) + Blue(at(5, 5)), 300u) << "a bright core";
      EXPECT_EQ(at(4, 5), at(6, 5)) << "centred on the cell's pixel (5, 5)";
      EXPECT_EQ(at(5, 4), at(5, 6));
    }
  }
  // The halo of the largest star.
  const auto halo = [&](int row) { return sheet->PixelAt(9, row * 11 + 5); };
  EXPECT_GT(Blue(halo(0)), Red(halo(0))) << "blue";
  EXPECT_EQ(Blue(halo(2)), Red(halo(2))) << "neutral white";
  EXPECT_GT(Green(halo(3)), Blue(halo(3))) << "pale green";
  EXPECT_GT(Green(halo(4)), Blue(halo(4))) << "yellow";
  EXPECT_GT(Green(halo(5)), Green(halo(6))) << "orange, then red";
  EXPECT_GT(Red(halo(6)), Blue(halo(6)));
}

}  // namespace
}  // namespace halvane
