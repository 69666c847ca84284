// The nearest point of the compass, at the boundaries between points and round the circle.
#include "view/compass_point.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(CompassPoint, NamesTheNearestOfSixteenRoundTheCircle) {
  EXPECT_EQ(CompassPoint(0.0), "N");
  EXPECT_EQ(CompassPoint(11.2), "N");
  EXPECT_EQ(CompassPoint(11.3), "NNE");
  EXPECT_EQ(CompassPoint(180.0), "S");
  EXPECT_EQ(CompassPoint(348.7), "NNW");
  EXPECT_EQ(CompassPoint(359.0), "N");
  EXPECT_EQ(CompassPoint(405.0), "NE");
  EXPECT_EQ(CompassPoint(-90.0), "W");
}

}  // namespace
}  // namespace halvane
