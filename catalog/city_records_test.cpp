// Cities.dat: the reader on damaged files, name shortening, and the shipped file's completion.
#include "catalog/city_records.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  // Version 1 records are the first bytes of the current ones.
  static std::vector<uint8_t> File(std::string_view tag, const std::vector<CityRecord>& cities,
                                   uint16_t version = CITIES_VERSION) {
    const size_t size = version == 1 ? CITY_V1_RECORD_SIZE : CITY_RECORD_SIZE;
    std::vector<uint8_t> bytes(HEADER_SIZE + cities.size() * size);
    EncodeHeader(tag, bytes.data(), version);
    uint8_t record[CITY_RECORD_SIZE];
    for (size_t i = 0; i < cities.size(); ++i) {
      EncodeCity(cities[i], record);
      std::copy_n(record, size, bytes.data() + HEADER_SIZE + i * size);
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

TEST_F(CityFiles, ZonesAreReadFromTheNewVersionOnlyAndOnlyWhenWellFormed) {
  const std::string longest = "America/Argentina/ComodRivadavia";  // fills the field
  std::vector<uint8_t> bytes =
      File(CITIES_TAG, {
                           {"Tokyo", "JP", 128467, 503008, 1, "Asia/Tokyo"},
                           {"Cut", "AR", 0, 0, 1, longest},
                           {"Ctrl", "FR", 0, 0, 1, "Europe/Par\x01s"},
                           {"High", "FR", 0, 0, 1, "Europe/Par\xC3\xADs"},
                           {"Dots", "FR", 0, 0, 1, "../../etc/passwd"},
                       });
  std::vector<CityRecord> cities;
  ASSERT_EQ(ReadCities(Write("Cities.dat", bytes), cities), WalkResult::Completed);
  ASSERT_EQ(cities.size(), 5u);  // a bad zone never costs the city
  EXPECT_EQ(cities[0].zone, "Asia/Tokyo");
  EXPECT_EQ(cities[1].zone, longest);
  EXPECT_EQ(cities[2].zone, "");
  EXPECT_EQ(cities[3].zone, "");
  EXPECT_EQ(cities[4].zone, "");

  cities.clear();
  bytes = File(CITIES_TAG, {{"Tokyo", "JP", 128467, 503008, 1, "Asia/Tokyo"}}, 1);
  ASSERT_EQ(ReadCities(Write("Old.dat", bytes), cities), WalkResult::Completed);
  ASSERT_EQ(cities.size(), 1u);
  EXPECT_EQ(cities[0].longitudeSeconds, 503008);
  EXPECT_EQ(cities[0].zone, "");

  cities.clear();
  bytes = File(CITIES_TAG, {{"Tokyo", "JP", 128467, 503008, 1, "Asia/Tokyo"}}, 3);
  EXPECT_EQ(ReadCities(Write("Next.dat", bytes), cities), WalkResult::HeaderRejected);
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
  EXPECT_EQ(first("Tokyo").zone, "Asia/Tokyo");
}

}  // namespace
}  // namespace halvane
