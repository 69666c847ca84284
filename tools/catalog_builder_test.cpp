// The catalog builder on small source files written by the test, read back through the
// same walk the chart uses.
#include "tools/catalog_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/precession.h"
#include "catalog/data_file.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

constexpr double DEG = DEG_TO_RAD;

class BuilderFolder : public test_support::ScratchFolderTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(root / "src");
    WriteSources();
  }

  void Source(const std::string& name, const std::string& json) {
    std::ofstream(root / "src" / name) << json;
  }

  void WriteSources() {
    // Star 7 has no colour; star 8 has an impossible declination; star 9 lies at a tiny
    // negative longitude that must not become right ascension 2 pi; the last two have
    // numbers far beyond 16 bits (and beyond any Hipparcos number).
    Source("stars.8.json", R"({"type":"FeatureCollection","features":[
      {"type":"Feature","id":5,"properties":{"mag":-1.44,"bv":"0.009"},
       "geometry":{"type":"Point","coordinates":[-90.0,-16.5]}},
      {"type":"Feature","id":7,"properties":{"mag":6.996,"bv":""},
       "geometry":{"type":"Point","coordinates":[10.0,20.0]}},
      {"type":"Feature","id":8,"properties":{"mag":3.0,"bv":"1.0"},
       "geometry":{"type":"Point","coordinates":[10.0,95.0]}},
      {"type":"Feature","id":9,"properties":{"mag":5.0,"bv":"-0.3"},
       "geometry":{"type":"Point","coordinates":[-1e-14,0.0]}},
      {"type":"Feature","id":1e300,"properties":{"mag":1e10,"bv":"0.5"},
       "geometry":{"type":"Point","coordinates":[1.0,1.0]}},
      {"type":"Feature","id":1e300,"properties":{"mag":"4.5","bv":"1e300"},
       "geometry":{"type":"Point","coordinates":[1.0,1.0]}}]})");
    Source("starnames.json", R"({
      "7":{"name":"Tweedledee and Tweedledum"},
      "5":{"name":"Bibh\u0101"},
      "6":{"name":""},
      "1234":{"name":"Faint Star"}})");
    // One figure drawn with a repeated segment (in reverse) and a zero-length one.
    Source("constellations.lines.json", R"({"type":"FeatureCollection","features":[
      {"type":"Feature","id":"Aaa","geometry":{"type":"MultiLineString","coordinates":[
        [[0,0],[10,0],[10,10]],[[10,10],[10,0]],[[5,5],[5,5]]]}}]})");
    // A piece of the real border of Andromeda and Cassiopeia: a 7-degree edge along a B1875
    // parallel, then a 2.5-degree edge along a B1875 meridian; then a short second border.
    Source("constellations.borders.json", R"({"type":"FeatureCollection","features":[
      {"type":"Feature","ids":"And,Cas","geometry":{"type":"MultiLineString","coordinates":[
        [[-15.6571,53.168],[-8.5471,53.187],[-8.5343,50.687]]]}},
      {"type":"Feature","ids":"Aaa,Ccc","geometry":{"type":"MultiLineString","coordinates":[
        [[20,0],[20.5,0]]]}}]})");
    Source("constellations.json", R"({"type":"FeatureCollection","features":[
      {"type":"Feature","id":"Boo","properties":{"name":"Bo\u00f6tes"},
       "geometry":{"type":"Point","coordinates":[-136.5,35]}}]})");
    Source("messier.json", R"({"type":"FeatureCollection","features":[
      {"type":"Feature","id":"M1","properties":{"name":"M1","alt":"Crab Nebula"},
       "geometry":{"type":"Point","coordinates":[83.625,22.0167]}},
      {"type":"Feature","id":"M13","properties":{"name":"M13","alt":"Great Hercules Cluster"},
       "geometry":{"type":"Point","coordinates":[-109.575,36.4667]}}]})");
  }

  bool Build(std::string& error) {
    return BuildCatalogs((root / "src").string(), (root / "out").string(), summary, error);
  }

  template <typename Record, typename Decode>
  std::vector<Record> Read(const std::string& name, std::string_view tag, size_t size,
                           Decode decode) {
    std::vector<Record> records;
    const WalkResult result =
        WalkRecords((root / "out" / name).string(), tag, size,
                    [&](const uint8_t* bytes) { records.push_back(decode(bytes)); });
    EXPECT_EQ(result, WalkResult::Completed) << name;
    return records;
  }

  std::string Bytes(const std::string& name) {
    std::ifstream in(root / "out" / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  const std::filesystem::path& root = folder;
  BuildSummary summary;
};

TEST_F(BuilderFolder, StarsKeepPositionMagnitudeAndColourInTheirUnits) {
  std::string error;
  ASSERT_TRUE(Build(error)) << error;
  const auto stars = Read<StarRecord>("Stars.dat", STARS_TAG, STAR_RECORD_SIZE, DecodeStar);
  ASSERT_EQ(stars.size(), 4u) << "declination 95 and magnitude 1e10 are left out";
  EXPECT_NEAR(stars[0].rightAscension, 270.0 * DEG, 1e-12);
  EXPECT_NEAR(stars[0].declination, -16.5 * DEG, 1e-12);
  EXPECT_EQ(stars[0].magnitude, -144);
  EXPECT_EQ(stars[0].colorIndex, 1);
  EXPECT_EQ(stars[1].magnitude, 700) << "6.996 rounds up to 7.00";
  EXPECT_GT(stars[1].colorIndex, 9000) << "no colour";
  EXPECT_GE(stars[2].rightAscension, 0.0);
  EXPECT_LT(stars[2].rightAscension, TWO_PI);
  EXPECT_EQ(stars[2].colorIndex, -30);
  EXPECT_EQ(stars[3].magnitude, 450);
  EXPECT_GT(stars[3].colorIndex, 9000) << "a colour index of 1e300 is no colour";
  EXPECT_EQ(summary.stars, 4u);
  EXPECT_EQ(summary.starsWithoutColor, 2u);
}

TEST_F(BuilderFolder, FiguresBecomeIndependentSegmentsEachOnce) {
  std::string error;
  ASSERT_TRUE(Build(error)) << error;
  const auto segments =
      Read<ConstellationSegment>("ConLin.dat", LINES_TAG, SEGMENT_RECORD_SIZE, DecodeSegment);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].rightAscension1, 0.0);
  EXPECT_NEAR(segments[0].rightAscension2, 10.0 * DEG, 1e-12);
  EXPECT_NEAR(segments[1].declination2, 10.0 * DEG, 1e-12);
}

// The source corners are J2000 positions rounded to 0.0001 degrees of edges that run along
// B1875 parallels and meridians: precessed to B1875, the ends of each edge must share
// their declination or right ascension to that rounding. Without precession they differ
// by 0.019 degrees here.
TEST(Precession, RealBorderEdgesRunAlongB1875ParallelsAndMeridians) {
  constexpr double ROUNDING = 2e-4 * DEG;
  constexpr double TURN = TWO_PI;
  double ra1 = -15.6571 * DEG + TURN, dec1 = 53.168 * DEG;
  double ra2 = -8.5471 * DEG + TURN, dec2 = 53.187 * DEG;
  double ra3 = -8.5343 * DEG + TURN, dec3 = 50.687 * DEG;
  J2000ToB1875(ra1, dec1);
  J2000ToB1875(ra2, dec2);
  J2000ToB1875(ra3, dec3);
  EXPECT_NEAR(dec1, dec2, ROUNDING) << "a parallel";
  EXPECT_NEAR(ra2 * std::cos(dec2), ra3 * std::cos(dec2), ROUNDING) << "a meridian";
  // B1875 is 125 years earlier: right ascensions there are about 1.7 degrees smaller.
  EXPECT_NEAR(-8.5471 * DEG + TURN - ra2, 1.7 * DEG, 0.3 * DEG);

  double ra = 1.0, dec = -0.5;
  J2000ToB1875(ra, dec);
  B1875ToJ2000(ra, dec);
  EXPECT_NEAR(ra, 1.0, 1e-12);
  EXPECT_NEAR(dec, -0.5, 1e-12);
}

TEST_F(BuilderFolder, BordersAreDensifiedAlongTheirTrueCurvesWithOneIdPerLine) {
  std::string error;
  ASSERT_TRUE(Build(error)) << error;
  const auto vertices =
      Read<BoundaryVertex>("ConBon.dat", BOUNDARIES_TAG, VERTEX_RECORD_SIZE, DecodeVertex);
  ASSERT_FALSE(vertices.empty());
  std::vector<BoundaryVertex> first;
  std::vector<BoundaryVertex> second;
  for (const BoundaryVertex& v : vertices) (v.boundaryId == 1 ? first : second).push_back(v);
  ASSERT_EQ(first.size() + second.size(), vertices.size()) << "ids are 1 and 2 only";
  EXPECT_EQ(vertices.front().boundaryId, 1);
  EXPECT_EQ(vertices.back().boundaryId, 2) << "each line is one run";

  // About 4.3 + 2.5 degrees of arc: at least 5 + 3 pieces, the corners kept exactly.
  ASSERT_GE(first.size(), 9u);
  EXPECT_EQ(first.front().declination, 53.168 * DEG);
  EXPECT_EQ(first.back().declination, 50.687 * DEG);
  double widest = 0.0;
  size_t onParallel = 0;
  double cornerRa = 0.0, cornerDec = 0.0;
  double ra0 = first.front().rightAscension, dec0 = first.front().declination;
  J2000ToB1875(ra0, dec0);
  for (size_t i = 1; i < first.size(); ++i) {
    const BoundaryVertex& a = first[i - 1];
    const BoundaryVertex& b = first[i];
    widest = std::max(
        widest, AngularDistance(a.rightAscension, a.declination, b.rightAscension, b.declination));
    double ra = b.rightAscension, dec = b.declination;
    J2000ToB1875(ra, dec);
    if (std::fabs(dec - dec0) < 2e-4 * DEG) {
      ++onParallel;
      cornerRa = ra;
      cornerDec = dec;
      continue;
    }
    // Past the corner every point is on the corner's B1875 meridian.
    EXPECT_NEAR(ra * std::cos(cornerDec), cornerRa * std::cos(cornerDec), 2e-4 * DEG) << i;
    EXPECT_LT(dec, cornerDec);
  }
  EXPECT_GE(onParallel, 5u) << "the first edge follows its parallel";
  EXPECT_LE(widest, 1.0 * DEG);
  EXPECT_GT(widest, 0.5 * DEG) << "no needless points";
  EXPECT_EQ(second.size(), 2u) << "a short edge is left alone";
  EXPECT_EQ(summary.boundaryLines, 2u);
}

TEST(DensifyBoundary, CrossingRightAscensionZeroTakesTheShortWay) {
  const auto vertices = DensifyBoundary({{-3.0, 10.0}, {3.0, 10.0}}, 9);
  ASSERT_GE(vertices.size(), 7u);
  for (const BoundaryVertex& v : vertices) {
    EXPECT_GE(v.rightAscension, 0.0);
    EXPECT_LT(v.rightAscension, TWO_PI);
    const double fromZero = std::min(v.rightAscension, TWO_PI - v.rightAscension);
    EXPECT_LE(fromZero, 3.1 * DEG);
    EXPECT_EQ(v.boundaryId, 9);
  }
}

TEST_F(BuilderFolder, NamesAreFittedToNineteenWindows1252Characters) {
  std::string error;
  ASSERT_TRUE(Build(error)) << error;
  const auto labels = Read<LabelRecord>("Labels.dat", "", LABEL_RECORD_SIZE, DecodeLabel);
  std::vector<std::string> names;
  for (const LabelRecord& label : labels) {
    const char* end = static_cast<const char*>(std::memchr(label.name, 0, LABEL_NAME_BYTES));
    ASSERT_NE(end, nullptr) << "terminated";
    for (const char* p = end; p < label.name + LABEL_NAME_BYTES; ++p) EXPECT_EQ(*p, 0);
    names.emplace_back(label.name, end);
  }
  // Stars by Hipparcos number; the star not in the star list is left out; then Messier
  // objects, then constellations.
  const std::vector<std::string> expected = {"Bibha", "Tweedledee", "M1 Crab Nebula", "M13",
                                             "Bo\xF6tes"};
  EXPECT_EQ(names, expected);
  EXPECT_NEAR(labels[0].rightAscension, 270.0 * DEG, 1e-12) << "at its star";
  EXPECT_NEAR(labels[4].rightAscension, 223.5 * DEG, 1e-12);

  std::string notes;
  for (const std::string& note : summary.notes) notes += note + "\n";
  EXPECT_NE(notes.find("transliterated \"Bibh\xC4\x81\""), std::string::npos) << notes;
  EXPECT_NE(notes.find("shortened \"Tweedledee and Tweedledum\""), std::string::npos);
  EXPECT_NE(notes.find("Faint Star"), std::string::npos);
  EXPECT_NE(notes.find("Great Hercules Cluster"), std::string::npos);
  EXPECT_EQ(Bytes("Labels.dat").substr(0, HEADER_SIZE), std::string("HALVLABL\1\0\0\0", 12));
}

TEST_F(BuilderFolder, SameSourceGivesTheSameBytesAndBadSourcesAClearError) {
  std::string error;
  ASSERT_TRUE(Build(error)) << error;
  const std::string stars = Bytes("Stars.dat");
  const std::string bounds = Bytes("ConBon.dat");
  ASSERT_TRUE(Build(error)) << error;
  EXPECT_EQ(Bytes("Stars.dat"), stars);
  EXPECT_EQ(Bytes("ConBon.dat"), bounds);
  EXPECT_FALSE(std::filesystem::exists(root / "out" / "Stars.dat.tmp"));

  Source("messier.json", "{\"features\": [");
  EXPECT_FALSE(Build(error));
  EXPECT_NE(error.find("messier.json"), std::string::npos) << error;
  EXPECT_EQ(Bytes("Stars.dat"), stars) << "nothing written on failure";

  std::filesystem::remove(root / "src" / "starnames.json");
  EXPECT_FALSE(Build(error));
  EXPECT_NE(error.find("starnames.json"), std::string::npos) << error;
}

}  // namespace
}  // namespace halvane
