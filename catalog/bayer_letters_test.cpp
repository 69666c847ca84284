// The Greek letters of the shipped Names.dat: one a star, at the star's place.
#include "catalog/bayer_letters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "tests/support/build_paths.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

TEST(BayerLetters, EachLetteredStarOnceAtItsPlace) {
  BayerLetters letters;
  letters.Load(test_support::SourcePath("data/Names.dat"));
  const std::vector<NamedPoint>& stars = letters.Stars();
  EXPECT_GT(stars.size(), 1000u);
  const auto near = [&](double rightAscension, double declination) {
    return std::count_if(stars.begin(), stars.end(), [&](const NamedPoint& star) {
      return std::fabs(star.rightAscension - rightAscension * DEG_TO_RAD) < 1e-3 &&
             std::fabs(star.declination - declination * DEG_TO_RAD) < 1e-3 && star.name == u"α";
    });
  };
  EXPECT_EQ(near(88.793, 7.407), 1);     // Betelgeuse
  EXPECT_EQ(near(310.358, 45.280), 1);   // Deneb
  EXPECT_EQ(near(101.287, -16.716), 1);  // Sirius

  test_support::ScratchFolder folder;
  letters.Load(folder.File("missing.dat"));
  EXPECT_TRUE(letters.Stars().empty());
}

}  // namespace
}  // namespace halvane
