// Cities.dat: the reader on damaged files, name shortening, and the shipped file's completion.
#include "catalog/city_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalog/city_catalog.h"
#include "tests/support/build_paths.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

class CityFiles : public test_support::ScratchFolderTest {
 protected:
  static std::vector<uint8_t> File(std::string_view tag, const std::vector<CityRecord>& cities) {
    std::vector<uint8_t> bytes(HEADER_SIZE + cities.size() * CITY_RECORD_SIZE);
    EncodeHeader(tag, bytes.data());
    for (size_t i = 0; i < cities.size(); ++i) {
      EncodeCity(cities[i], bytes.data() + HEADER_SIZE + i * CITY_RECORD_SIZE);
    }
    return bytes;
  }
};

TEST_F(CityFiles, ReaderSkipsWhatCannotBeUsedAndKeepsTheRest) {
  const std::string full(CITY_NAME_BYTES, 'x');
  std::vector<uint8_t> bytes = File(CITIES_TAG, {
                                                    {"Tokyo", "JP", 128467, 503008, 8336599},
                                                    {"", "FR", 0, 0, 1},
                                                    {"Bad", "fr", 0, 0, 1},
                                                    {"North", "NO", 324001, 0, 1},
                                                    {"West", "US", 0, -648001, 1},
                                                    {"Edge", "AQ", -324000, 648000, 0},
                                                    {full, "ZZ", 0, 0, 0},
                                                    {"Br\xFFken", "DE", 0, 0, 0},
                                                });
  bytes.resize(bytes.size() + CITY_RECORD_SIZE - 1, 'y');  // a partial record
  std::vector<CityRecord> cities;
  ASSERT_EQ(ReadCities(Write("Cities.dat", bytes), cities), WalkResult::Completed);
  ASSERT_EQ(cities.size(), 4u);
  EXPECT_EQ(cities[0].name, "Tokyo");
  EXPECT_EQ(cities[0].country, "JP");
  EXPECT_EQ(cities[0].longitudeSeconds, 503008);
  EXPECT_EQ(cities[0].population, 8336599u);
  EXPECT_EQ(cities[1].name, "Edge");
  EXPECT_EQ(cities[2].name, full);  // no terminator: the field's end ends it
  EXPECT_EQ(cities[3].name, "Br\xEF\xBF\xBDken");

  cities.clear();
  EXPECT_EQ(ReadCities(Write("Labels.dat", File("LABL", {{"A", "FR", 0, 0, 0}})), cities),
            WalkResult::HeaderRejected);
  EXPECT_EQ(ReadCities((folder / "missing.dat").string(), cities), WalkResult::CannotOpen);
  EXPECT_TRUE(cities.empty());
}

TEST(CityRecords, ShorteningNeverSplitsACharacter) {
  EXPECT_EQ(ShortenUtf8("Ar Rām wa", 5), "Ar R");
  EXPECT_EQ(ShortenUtf8("Villa Presidente Frei, Ñuñoa", 22), "Villa Presidente Frei");
  EXPECT_EQ(ShortenUtf8("ab\xC3\xA9", 3), "ab");
  EXPECT_EQ(ShortenUtf8("Tokyo", 32), "Tokyo");
}

TEST(CityRecords, ShippedCitiesCompleteByPopulation) {
  CityCatalog catalog;
  ASSERT_EQ(LoadCityCatalog(test_support::SourcePath("data/Cities.dat"), catalog),
            WalkResult::Completed);
  EXPECT_GT(catalog.cities.size(), 24000u);
  const auto first = [&catalog](std::string_view query) {
    const std::vector<NameMatch> matches = catalog.index.Complete(query, 5);
    return matches.empty() ? CityRecord{}
                           : catalog.cities[catalog.index.Entries()[matches[0].entry].index];
  };
  EXPECT_EQ(first("tok").name, "Tokyo");
  EXPECT_EQ(first("sao").name, "São Paulo");
  EXPECT_EQ(first("paris").country, "FR");
  EXPECT_EQ(first("zurich").name, "Zürich");
  EXPECT_NEAR(first("Tokyo").latitudeSeconds / 3600.0, 35.69, 0.01);
}

}  // namespace
}  // namespace halvane
