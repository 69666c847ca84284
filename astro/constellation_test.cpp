// The constellation of a direction, at the corners of the outlines (PyEphem's table, made by
// scripts/make-rise-set-reference), and at the poles.
#include "astro/constellation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "astro/angles.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

// PyEphem names the two parts of Serpens apart.
std::string Merged(const std::string& abbreviation) {
  return abbreviation == "Se1" || abbreviation == "Se2" ? "Ser" : abbreviation;
}

TEST(Constellation, MatchesPyEphemBesideEveryCorner) {
  std::ifstream in(test_support::SourcePath("catalog/testdata/constellation_corners.csv"));
  ASSERT_TRUE(in);
  std::string line;
  std::getline(in, line);
  int points = 0, wrong = 0;
  while (std::getline(in, line)) {
    double ra, dec;
    char abbreviation[8] = {};
    ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%7s", &ra, &dec, abbreviation), 3) << line;
    const ConstellationName ours = ConstellationOf(ra * DEG_TO_RAD, dec * DEG_TO_RAD);
    if (Merged(abbreviation) != ours.abbreviation) {
      ++wrong;
      ADD_FAILURE() << line << " gives " << ours.abbreviation;
    }
    ++points;
  }
  EXPECT_GT(points, 6000);
  EXPECT_EQ(wrong, 0);
}

TEST(Constellation, PolesAndOddInput) {
  EXPECT_STREQ(ConstellationOf(0.0, 90 * DEG_TO_RAD).abbreviation, "UMi");
  EXPECT_STREQ(ConstellationOf(3.0, 89.9 * DEG_TO_RAD).abbreviation, "UMi");
  EXPECT_STREQ(ConstellationOf(0.0, -90 * DEG_TO_RAD).abbreviation, "Oct");
  EXPECT_STREQ(ConstellationOf(1.5497, 0.1293).name, "Orion");  // Betelgeuse
  EXPECT_STREQ(ConstellationOf(NAN, 0.0).abbreviation, "");
}

}  // namespace
}  // namespace halvane
