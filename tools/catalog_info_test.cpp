// halvane-catalog info on sound and damaged files: what it prints and its exit status.
#include "tools/catalog_info.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

class InfoFolder : public test_support::ScratchFolderTest {
 protected:
  static std::vector<uint8_t> Stars(std::string_view tag, const std::vector<StarRecord>& stars) {
    std::vector<uint8_t> bytes(HEADER_SIZE + stars.size() * STAR_RECORD_SIZE);
    EncodeHeader(tag, bytes.data());
    for (size_t i = 0; i < stars.size(); ++i) {
      EncodeStar(stars[i], bytes.data() + HEADER_SIZE + i * STAR_RECORD_SIZE);
    }
    return bytes;
  }

  int Info(const std::string& path, std::optional<CatalogKind> kind = std::nullopt) {
    out.str("");
    err.str("");
    return PrintCatalogInfo(path, kind, out, err);
  }

  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(InfoFolder, SoundStarFileGivesRangesAndAMagnitudeHistogram) {
  const std::string path =
      Write("Stars.dat",
            Stars("STAR", {{0.0, -0.5, -144, 1}, {3.0, 0.5, 50, 9999}, {6.0, 1.0, 99, 120}}));
  EXPECT_EQ(Info(path), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  const std::string text = out.str();
  EXPECT_NE(text.find("tag \"STAR\", version 1, reserved 0"), std::string::npos) << text;
  EXPECT_NE(text.find("the star layer accepts it"), std::string::npos) << text;
  EXPECT_NE(text.find("records: 3 whole, 0 trailing bytes"), std::string::npos) << text;
  EXPECT_NE(text.find("-2 to -1: 1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("0 to 1: 2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("1 without colour"), std::string::npos) << text;
  EXPECT_NE(text.find("declination: -28.6479 to 57.2958 degrees"), std::string::npos) << text;
}

TEST_F(InfoFolder, DamagedFilesGetAMessageAndExitCodeOne) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  // Each damage on its own, with the words the message must hold.
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* message;
  };
  std::vector<uint8_t> partial = Stars("STAR", {{1.0, 0.0, 100, 0}});
  partial.resize(partial.size() + 10);
  std::vector<uint8_t> badVersion = Stars("STAR", {{1.0, 0.0, 100, 0}});
  badVersion[8] = 2;
  const std::vector<Case> cases = {
      {"empty", {}, "shorter than the 12-byte header"},
      {"eleven bytes", std::vector<uint8_t>(11, 'H'), "shorter than the 12-byte header"},
      {"version 2", badVersion, "header rejected"},
      {"wrong tag", Stars("COLI", {{1.0, 0.0, 100, 0}}), "header rejected"},
      {"half a record", partial, "10 bytes of a partial record"},
      {"NaN", Stars("STAR", {{NaN, 0.0, 100, 0}, {1.0, 0.0, 100, 0}}), "not finite"},
      {"declination 3", Stars("STAR", {{1.0, 3.0, 100, 0}}), "out"},
  };
  for (const Case& c : cases) {
    const std::string path = Write("Stars.dat", c.bytes);
    EXPECT_EQ(Info(path, CatalogKind::Stars), 1) << c.what;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << c.what << ": " << err.str();
  }

  EXPECT_EQ(Info((folder / "none.dat").string()), 1);
  EXPECT_NE(err.str().find("cannot be opened"), std::string::npos);
  EXPECT_EQ(Info(folder.string()), 1) << "a directory";
  EXPECT_NE(err.str().find("cannot be opened"), std::string::npos);

  // Unknown tag and file name: the kind must be named.
  EXPECT_EQ(Info(Write("thing.bin", Stars("ABCD", {}))), 1);
  EXPECT_NE(err.str().find("--kind"), std::string::npos);
  // Every kind --kind offers is one it takes, and none is left out of the offer.
  std::istringstream offered(CatalogKindNames(" "));
  std::set<CatalogKind> kinds;
  for (std::string name; offered >> name;) kinds.insert(ParseCatalogKind(name).value());
  EXPECT_EQ(kinds.size(), static_cast<size_t>(CatalogKind::SkyNames) + 1);
}

TEST_F(InfoFolder, LabelsAreReadWhateverTheirHeaderAndListTheirNames) {
  std::vector<uint8_t> bytes(HEADER_SIZE, 0xFF);  // no header at all
  LabelRecord vega{4.87, 0.677, {}};
  std::memcpy(vega.name, "Vega \xE9", 6);
  LabelRecord full{1.0, 0.0, {}};
  std::memset(full.name, 'x', LABEL_NAME_BYTES);  // no terminator
  LabelRecord hostile{2.0, 0.0, {}};
  std::memcpy(hostile.name, "\x1b]0;pwn\x07", 8);
  for (const LabelRecord& label : {vega, full, hostile}) {
    uint8_t record[LABEL_RECORD_SIZE];
    EncodeLabel(label, record);
    bytes.insert(bytes.end(), record, record + LABEL_RECORD_SIZE);
  }
  const std::string path = Write("Labels.dat", bytes);
  EXPECT_EQ(Info(path), 1) << "the unterminated name is damage";
  const std::string text = out.str();
  EXPECT_NE(text.find("magic \"\\xFF\\xFF\\xFF\\xFF\""), std::string::npos) << text;
  EXPECT_NE(text.find("reads the records whatever the header holds"), std::string::npos);
  EXPECT_NE(text.find("Vega \xC3\xA9\n"), std::string::npos) << text;
  EXPECT_NE(text.find(std::string(20, 'x') + " (no terminator)"), std::string::npos) << text;
  EXPECT_NE(text.find("\\x1b]0;pwn\\x07\n"), std::string::npos) << text;
  EXPECT_EQ(text.find('\x1b'), std::string::npos);
  EXPECT_NE(err.str().find("1 names without a terminating zero byte"), std::string::npos);
}

}  // namespace
}  // namespace halvane
