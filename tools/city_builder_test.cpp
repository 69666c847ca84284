// halvane-catalog build-cities from a small table, its arguments, and info on the result.
#include "tools/city_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/city_records.h"
#include "tests/support/scratch_folder.h"
#include "tools/catalog_info.h"

namespace halvane {
namespace {

// One line of the table with the fields the builder reads; the others are empty.
std::string Line(const std::string& name, const std::string& lat, const std::string& lon,
                 const std::string& country, const std::string& population,
                 const std::string& zone = "") {
  std::vector<std::string> fields(19);
  // Built, not assigned from a literal: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
  fields[0] = std::string("1");
  fields[1] = name;
  fields[4] = lat;
  fields[5] = lon;
  fields[8] = country;
  fields[14] = population;
  fields[17] = zone;
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
  return line + "\r\n";
}

class CityBuild : public test_support::ScratchFolderTest {};

TEST_F(CityBuild, KeepsTheLargeCitiesSortedByFoldedName) {
  const std::string table = Line("Zürich", "47.36667", "8.55", "CH", "341730", "Europe/Zurich") +
                            Line("Paris", "48.85341", "2.3488", "FR", "2138551", "Europe/Paris") +
                            Line("Paris", "33.66094", "-95.55551", "US", "24782", "Bad zone") +
                            Line("Tiny", "1", "1", "FR", "14999") +
                            Line("Nowhere", "91", "0", "FR", "20000") +
                            Line("Nocode", "1", "1", "", "20000") + "garbage\n" +
                            Line("Dolores Hidalgo Cuna de la Independencia Nacional", "21.15611",
                                 "-100.93250", "MX", "59240") +
                            Line("Åre-Östersund", "-0.000138", "179.99999", "SE", "50000");
  std::ofstream((folder / "cities1000.txt").string(), std::ios::binary) << table;

  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunBuildCities({"--source", (folder / "cities1000.txt").string(), "--out",
                            (folder / "data").string()},
                           out, err),
            0)
      << err.str();
  EXPECT_NE(
      out.str().find("Cities.dat: 5 cities of 15000 inhabitants or more (1 smaller places "
                     "and 3 malformed lines left out, 1 names shortened, 3 without a time zone)"),
      std::string::npos);
  EXPECT_NE(out.str().find("-> Dolores Hidalgo Cuna de la Indep\n"), std::string::npos);

  std::vector<CityRecord> cities;
  ASSERT_EQ(ReadCities((folder / "data/Cities.dat").string(), cities), WalkResult::Completed);
  std::vector<std::string> order;
  for (const CityRecord& city : cities) order.push_back(city.name + " " + city.country);
  EXPECT_EQ(order,
            (std::vector<std::string>{"Åre-Östersund SE", "Dolores Hidalgo Cuna de la Indep MX",
                                      "Paris FR", "Paris US", "Zürich CH"}));
  EXPECT_EQ(cities[0].latitudeSeconds, 0);  // rounded to the second of arc, never -0 trouble
  EXPECT_EQ(cities[0].longitudeSeconds, 648000);
  EXPECT_EQ(cities[4].latitudeSeconds, 170520);
  EXPECT_EQ(cities[2].zone, "Europe/Paris");
  EXPECT_EQ(cities[3].zone, "");  // not an id: the city stays, without its zone

  EXPECT_EQ(PrintCatalogInfo((folder / "data/Cities.dat").string(), std::nullopt, out, err), 0)
      << err.str();
  EXPECT_NE(out.str().find("kind: cities (78-byte records)"), std::string::npos);
  EXPECT_NE(out.str().find("time zones: 2 different, 3 cities without"), std::string::npos);
  EXPECT_NE(out.str().find("  Paris (FR) 2138551 48.8533 2.3489 Europe/Paris"), std::string::npos);
}

TEST_F(CityBuild, WrongArgumentsAndSourcesGetAClearLine) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunBuildCities({"--source"}, out, err), 2);
  EXPECT_EQ(RunBuildCities({"--out", "x"}, out, err), 2);
  EXPECT_EQ(RunBuildCities({"--sauce", "x"}, out, err), 2);
  EXPECT_EQ(RunBuildCities({"--source", (folder / "none.txt").string(), "--out", "x"}, out, err),
            1);
  EXPECT_NE(err.str().find("none.txt: cannot be read"), std::string::npos);
  std::ofstream((folder / "empty.txt").string()) << "not a table\n";
  EXPECT_EQ(RunBuildCities({"--source", (folder / "empty.txt").string(), "--out", folder.string()},
                           out, err),
            1);
  EXPECT_NE(err.str().find("no city of 15000 inhabitants or more"), std::string::npos);

  // A record out of range makes info fail, as for the other catalogs.
  std::vector<uint8_t> bytes(HEADER_SIZE + CITY_RECORD_SIZE);
  EncodeHeader(CITIES_TAG, bytes.data(), CITIES_VERSION);
  EncodeCity({"Far", "FR", 400000, 0, 1, ""}, bytes.data() + HEADER_SIZE);
  EXPECT_EQ(PrintCatalogInfo(Write("Cities.dat", bytes), std::nullopt, out, err), 1);
  EXPECT_NE(err.str().find("1 cities without a name or country, or out of range"),
            std::string::npos);

  // A file of the first version, without zones, is still described as its reader reads it.
  bytes.assign(HEADER_SIZE + CITY_V1_RECORD_SIZE, 0);
  EncodeHeader(CITIES_TAG, bytes.data(), 1);
  std::vector<uint8_t> record(CITY_RECORD_SIZE);
  EncodeCity({"Old", "FR", 0, 0, 1, ""}, record.data());
  std::copy_n(record.begin(), CITY_V1_RECORD_SIZE, bytes.begin() + HEADER_SIZE);
  out.str("");
  EXPECT_EQ(PrintCatalogInfo(Write("Old.dat", bytes), CatalogKind::Cities, out, err), 0);
  EXPECT_NE(out.str().find("(46-byte records)\nheader: the city completion accepts it\n"
                           "records: 1 whole, 0 trailing"),
            std::string::npos)
      << out.str();
}

}  // namespace
}  // namespace halvane
