// Every star of the shipped Stars.dat lies in the constellation PyEphem's independent table
// gives (catalog/testdata/constellation_stars.txt, made by scripts/make-rise-set-reference).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/constellation.h"
#include "catalog/star_list.h"
#include "tests/support/build_paths.h"

namespace halvane {
namespace {

TEST(ConstellationOfStars, EveryShippedStarAsPyEphemPlacesIt) {
  const std::vector<StarRecord> stars = LoadStarList(test_support::SourcePath("data/Stars.dat"));
  std::ifstream in(test_support::SourcePath("catalog/testdata/constellation_stars.txt"));
  ASSERT_TRUE(in);
  std::string line;
  std::getline(in, line);
  std::vector<std::string> abbreviations;
  std::istringstream words(line);
  for (std::string word; words >> word;) {
    // PyEphem names the two parts of Serpens apart.
    abbreviations.push_back(word == "Se1" || word == "Se2" ? "Ser" : word);
  }
  std::string codes;
  while (std::getline(in, line)) codes += line;
  ASSERT_EQ(codes.size(), stars.size());
  int wrong = 0;
  for (size_t i = 0; i < stars.size(); ++i) {
    const std::string& theirs = abbreviations.at(static_cast<size_t>(codes[i] - 33));
    const char* ours = ConstellationOf(stars[i].rightAscension, stars[i].declination).abbreviation;
    if (theirs != ours && ++wrong <= 10)
      ADD_FAILURE() << "star " << i << ": " << ours << " not " << theirs;
  }
  std::printf("constellation of %zu stars: %d differ from PyEphem\n", stars.size(), wrong);
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace halvane
