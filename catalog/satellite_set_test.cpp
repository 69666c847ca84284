// Which satellite a query names: by catalogue number, designator, whole name or a word's
// beginning, in any case.
#include "catalog/satellite_set.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "catalog/orbital_elements_reader.h"

namespace halvane {
namespace {

TEST(SatelliteSet, FindsASatelliteByNumberDesignatorOrNameAndNothingElse) {
  std::vector<OrbitalElements> elements =
      ReadOrbitalElements(
          "ISS (ZARYA)\n"
          "1 25544U 98067A   26342.50000000  .00012000  00000-0  15000-3 0  9994\n"
          "2 25544  51.6400 300.0000 0003000  80.0000 120.0000 15.50000000123451\n")
          .elements;
  ASSERT_EQ(elements.size(), 1u);
  OrbitalElements other = elements.front();
  other.name = "ISS DEB";
  other.catalogNumber = 25545;
  other.internationalDesignator = "1998-067B";
  elements.push_back(other);
  SatelliteSet set;
  set.Add(elements, false);
  ASSERT_EQ(set.All().size(), 2u);
  const std::pair<const char*, int32_t> queries[] = {
      {"ISS", 0},         {"zarya", 0}, {"25544", 0},     {"1998-067a", 0},
      {"iss (zarya)", 0}, {"25545", 1}, {"1998-067B", 1}, {"ISS DEB", 1},
      {"deb", 1},         {"ARYA", -1}, {"25546", -1},    {"", -1},
  };
  for (const auto& [query, index] : queries) EXPECT_EQ(set.Find(query), index) << query;
}

}  // namespace
}  // namespace halvane
