// SkyNames.dat read for one language: damaged records skipped and counted, the good ones
// kept, a missing or foreign file said so, and the deep-sky names fitted to the chart.
#include "catalog/local_sky_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/catalog_writer.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

using test_support::CatalogBytes;
using test_support::ScratchFolder;

TEST(LocalSkyNames, DamagedRecordsAreCountedAndTheGoodOnesKept) {
  ScratchFolder folder;
  std::vector<uint8_t> bytes = CatalogBytes(
      SKY_NAMES_TAG, SKY_NAMES_RECORD_SIZE,
      std::vector<LocalNameRecord>{
          {"de", LocalNameKind::Constellation, "Ursa Major", "Großer Bär"},
          {"de", LocalNameKind::DeepSky, "M42", "Orionnebel"},
          {"de", LocalNameKind::DeepSky, "NGC 2237", "Rosettennebel"},
          {"de", LocalNameKind::DeepSky, "M8", "Lagunennebel mit einem sehr langen Namen"},
          {"fr", LocalNameKind::Constellation, "Ursa Major", "Grande Ourse"},
          {"de", LocalNameKind::Constellation, "Lyra", "Leier"},
          {"de", LocalNameKind::Constellation, "Leo", "Löwe"},
          {"de", LocalNameKind::Constellation, "Aries", "Widder"}},
      EncodeLocalName);
  const auto record = [&](size_t i) {
    return bytes.data() + HEADER_SIZE + i * SKY_NAMES_RECORD_SIZE;
  };
  record(5)[6] = 9;                                                 // no such kind
  std::fill_n(record(6) + 32, SKY_NAMES_NAME_BYTES, uint8_t{'x'});  // no terminator
  record(7)[32] = 0xFF;                                             // not UTF-8
  bytes.resize(bytes.size() + 40);                                  // a partial record
  const std::string path = folder.Write("SkyNames.dat", bytes);

  LocalSkyNames names;
  EXPECT_NE(names.Load(path, "de").find("3 damaged records skipped"), std::string::npos);
  EXPECT_EQ(names.Constellation(u"Ursa Major"), u"Großer Bär");
  EXPECT_EQ(names.Constellation(u"Lyra"), u"Lyra");
  EXPECT_EQ(names.DeepSky(u"M42 Orion Nebula"), u"M42 Orionnebel");
  EXPECT_EQ(names.DeepSky(u"NGC 2237 Rosette Nebula"), u"NGC 2237 Rosettennebel");
  EXPECT_EQ(names.DeepSky(u"M8 Lagoon Nebula"), u"M8");  // too long for the chart
  EXPECT_EQ(names.DeepSky(u"M420 Nothing"), u"M420 Nothing");
  EXPECT_EQ(names.Name(std::string("Ursa Major")), "Großer Bär");
  EXPECT_EQ(names.Load(path, "de"), "");  // unchanged: not read again
  EXPECT_NE(names.Load(path, "fr").find("3 damaged"), std::string::npos);  // read for French
  EXPECT_EQ(names.Constellation(u"Ursa Major"), u"Grande Ourse");

  EXPECT_NE(names.Load(folder.File("missing.dat"), "de").find("cannot be opened"),
            std::string::npos);
  EXPECT_EQ(names.Constellation(u"Ursa Major"), u"Ursa Major");
  std::vector<uint8_t> foreign = bytes;
  foreign[4] = 'N';
  EXPECT_NE(names.Load(folder.Write("Names.dat", foreign), "de").find("not a file of the sky"),
            std::string::npos);
  EXPECT_EQ(names.Load(path, ""), "");  // English reads nothing
  EXPECT_TRUE(names.Constellations().empty());
}

}  // namespace
}  // namespace halvane
