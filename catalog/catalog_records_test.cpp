// Little-endian decoding of the catalog records from known bytes, and the finiteness test
// that lets readers skip records that cannot be placed on the sky.
#include "catalog/catalog_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace halvane {
namespace {

// 1.5 and -2.25 as little-endian IEEE-754 doubles.
constexpr uint8_t ONE_AND_HALF[8] = {0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
constexpr uint8_t MINUS_TWO_AND_QUARTER[8] = {0, 0, 0, 0, 0, 0, 0x02, 0xC0};

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> bytes;
  for (const auto& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

const std::vector<uint8_t> A(ONE_AND_HALF, ONE_AND_HALF + 8);
const std::vector<uint8_t> B(MINUS_TWO_AND_QUARTER, MINUS_TWO_AND_QUARTER + 8);

TEST(CatalogRecords, DecodeFieldsFromLittleEndianBytes) {
  // Star: magnitude 0xFF9C = -100, colour 0x2710 = 10000.
  const auto starBytes = Join({A, B, {0x9C, 0xFF, 0x10, 0x27}});
  ASSERT_EQ(starBytes.size(), STAR_RECORD_SIZE);
  const StarRecord star = DecodeStar(starBytes.data());
  EXPECT_EQ(star.rightAscension, 1.5);
  EXPECT_EQ(star.declination, -2.25);
  EXPECT_EQ(star.magnitude, -100);
  EXPECT_EQ(star.colorIndex, 10000);

  const auto segmentBytes = Join({B, A, A, B});
  ASSERT_EQ(segmentBytes.size(), SEGMENT_RECORD_SIZE);
  const ConstellationSegment segment = DecodeSegment(segmentBytes.data());
  EXPECT_EQ(segment.rightAscension1, -2.25);
  EXPECT_EQ(segment.declination1, 1.5);
  EXPECT_EQ(segment.rightAscension2, 1.5);
  EXPECT_EQ(segment.declination2, -2.25);

  // Vertices at an odd offset, as the second record of a file lies: id 0xFFFE is unsigned.
  const auto vertexBytes = Join({{0x00}, A, B, {0xFE, 0xFF}});
  const BoundaryVertex vertex = DecodeVertex(vertexBytes.data() + 1);
  EXPECT_EQ(vertex.rightAscension, 1.5);
  EXPECT_EQ(vertex.declination, -2.25);
  EXPECT_EQ(vertex.boundaryId, 0xFFFE);

  // A label name of 20 bytes without a terminator is kept byte for byte.
  std::vector<uint8_t> name(LABEL_NAME_BYTES, 'x');
  name[0] = 0xE9;
  const auto labelBytes = Join({A, B, name});
  ASSERT_EQ(labelBytes.size(), LABEL_RECORD_SIZE);
  const LabelRecord label = DecodeLabel(labelBytes.data());
  EXPECT_EQ(label.rightAscension, 1.5);
  EXPECT_EQ(label.declination, -2.25);
  EXPECT_EQ(std::memcmp(label.name, name.data(), LABEL_NAME_BYTES), 0);
}

TEST(CatalogRecords, RecordsWithNaNOrInfinitiesAreNotFinite) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double INF = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(IsFinite(StarRecord{6.28, -1.57, 32767, -32768}));
  EXPECT_FALSE(IsFinite(StarRecord{NaN, 0.0, 0, 0}));
  EXPECT_TRUE(IsFinite(ConstellationSegment{1e300, -1e300, 0.0, 0.0}));
  EXPECT_FALSE(IsFinite(ConstellationSegment{0.0, 0.0, 0.0, -INF})) << "the last field too";
  EXPECT_FALSE(IsFinite(BoundaryVertex{0.0, NaN, 1}));
  EXPECT_FALSE(IsFinite(LabelRecord{INF, 0.0, {}}));
}

}  // namespace
}  // namespace halvane
