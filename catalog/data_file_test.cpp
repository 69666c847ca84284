// The header acceptance rule and the buffered record walk, on real files.
#include "catalog/data_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "catalog/catalog_store.h"
#include "tests/support/scratch_folder.h"

namespace halvane {
namespace {

class WalkFolder : public test_support::ScratchFolderTest {
 protected:
  static std::vector<uint8_t> Header(std::string_view tag) {
    std::vector<uint8_t> bytes(HEADER_SIZE);
    EncodeHeader(tag, bytes.data());
    return bytes;
  }

  // Every record the walk hands out, as the first byte of each.
  static WalkResult Walk(const std::string& path, std::string_view tag, size_t size,
                         std::vector<uint8_t>& firstBytes) {
    firstBytes.clear();
    return WalkRecords(path, tag, size,
                       [&](const uint8_t* record) { firstBytes.push_back(record[0]); });
  }
};

TEST_F(WalkFolder, HeaderIsAcceptedOnlyWithMagicTagVersionOneAndReservedZero) {
  const std::vector<uint8_t> good = Header("STAR");
  EXPECT_TRUE(ValidateHeader(good.data(), "STAR"));
  EXPECT_EQ(std::memcmp(good.data(), "HALVSTAR\x01\x00\x00\x00", HEADER_SIZE), 0);

  struct Damage {
    const char* what;
    size_t offset;
    uint8_t value;
  };
  const Damage damages[] = {
      {"magic in lower case", 0, 'h'},
      {"other tag", 4, 'C'},
      {"version 2", 8, 2},
      {"version 0", 8, 0},
      {"version 257", 9, 1},
      {"reserved 1", 10, 1},
      {"reserved 256", 11, 1},
  };
  for (const Damage& damage : damages) {
    std::vector<uint8_t> bytes = good;
    bytes[damage.offset] = damage.value;
    EXPECT_FALSE(ValidateHeader(bytes.data(), "STAR")) << damage.what;
  }
  // Version and reserved are two words: 01 00 01 00 is version 1 with reserved 1.
  std::vector<uint8_t> both = good;
  both[10] = 1;
  EXPECT_FALSE(ValidateHeader(both.data(), "STAR"));
  // Tags are not interchangeable, and a tag must be the four bytes exactly.
  EXPECT_FALSE(ValidateHeader(good.data(), "COLI"));
  EXPECT_FALSE(ValidateHeader(good.data(), "STA"));
  EXPECT_FALSE(ValidateHeader(good.data(), "star"));
}

TEST_F(WalkFolder, WholeRecordsOnlyAndRejectedOrShortHeadersEndTheWalk) {
  std::vector<uint8_t> firstBytes;
  const std::vector<uint8_t> header = Header("COBO");

  // Header alone: accepted, no records.
  EXPECT_EQ(Walk(Write("empty.dat", header), "COBO", 18, firstBytes), WalkResult::Completed);
  EXPECT_TRUE(firstBytes.empty());

  // Header plus 2.5 records: two records, the half one is ignored.
  std::vector<uint8_t> bytes = header;
  for (uint8_t i = 1; i <= 2; ++i) bytes.insert(bytes.end(), 18, i);
  bytes.insert(bytes.end(), 9, 3);
  EXPECT_EQ(Walk(Write("half.dat", bytes), "COBO", 18, firstBytes), WalkResult::Completed);
  EXPECT_EQ(firstBytes, (std::vector<uint8_t>{1, 2}));

  // Shorter than the header: rejected, even with no tag asked for.
  const std::vector<uint8_t> eleven(header.begin(), header.begin() + 11);
  EXPECT_EQ(Walk(Write("short.dat", eleven), "COBO", 18, firstBytes), WalkResult::HeaderRejected);
  EXPECT_EQ(Walk(Write("short.dat", eleven), "", 18, firstBytes), WalkResult::HeaderRejected);
  EXPECT_EQ(Walk(Write("zero.dat", {}), "COBO", 18, firstBytes), WalkResult::HeaderRejected);

  // A wrong tag rejects the file, and no record is handed out.
  EXPECT_EQ(Walk(Write("half.dat", bytes), "STAR", 18, firstBytes), WalkResult::HeaderRejected);
  EXPECT_TRUE(firstBytes.empty());

  // With no tag asked for (labels), a damaged header is skipped and the records are read.
  bytes[0] = 'X';
  bytes[8] = 7;
  EXPECT_EQ(Walk(Write("half.dat", bytes), "", 18, firstBytes), WalkResult::Completed);
  EXPECT_EQ(firstBytes, (std::vector<uint8_t>{1, 2}));
}

TEST_F(WalkFolder, MissingFilesDirectoriesAndDevicesCannotBeOpened) {
  std::vector<uint8_t> firstBytes;
  EXPECT_EQ(Walk((folder / "absent.dat").string(), "STAR", 20, firstBytes), WalkResult::CannotOpen);
  EXPECT_EQ(Walk(folder.string(), "STAR", 20, firstBytes), WalkResult::CannotOpen);
  EXPECT_EQ(Walk("/dev/zero", "", 20, firstBytes), WalkResult::CannotOpen);
  EXPECT_EQ(Walk("/dev/null", "", 20, firstBytes), WalkResult::CannotOpen);
  // A fifo with no writer would block a plain open.
  const std::string fifo = (folder / "fifo.dat").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Walk(fifo, "", 20, firstBytes), WalkResult::CannotOpen);
  EXPECT_FALSE(std::filesystem::exists(folder / "absent.dat")) << "never creates a file";
}

TEST_F(WalkFolder, RecordsThatStraddleBufferRefillsArriveIntact) {
  // 18-byte records do not divide the read buffer, so records are split across reads.
  constexpr size_t COUNT = 10000;
  std::vector<uint8_t> bytes = Header("COBO");
  for (size_t i = 0; i < COUNT; ++i) {
    uint8_t record[18];
    WriteF64(static_cast<double>(i) * 0.5, record);
    WriteF64(-static_cast<double>(i), record + 8);
    WriteU16(static_cast<uint16_t>(i), record + 16);
    bytes.insert(bytes.end(), record, record + 18);
  }
  bytes.push_back(0xAB);  // one trailing byte
  const std::string path = Write("many.dat", bytes);

  size_t seen = 0;
  bool intact = true;
  const WalkResult result = WalkRecords(path, "COBO", 18, [&](const uint8_t* record) {
    intact = intact && ReadF64(record) == static_cast<double>(seen) * 0.5 &&
             ReadF64(record + 8) == -static_cast<double>(seen) &&
             ReadU16(record + 16) == static_cast<uint16_t>(seen);
    ++seen;
  });
  EXPECT_EQ(result, WalkResult::Completed);
  EXPECT_EQ(seen, COUNT);
  EXPECT_TRUE(intact);
}

uint8_t FirstByte(const uint8_t* record) { return record[0]; }

// A kept catalog follows its file: rewritten, removed and back again.
TEST_F(WalkFolder, CachedRecordsAreReadAgainWhenTheFileChanges) {
  using FirstBytes = DecodedRecords<uint8_t, FirstByte>;
  std::shared_ptr<const CachedCatalog<FirstBytes>> kept;
  CatalogStore store;
  const auto read = [&](const std::string& path) -> const CachedCatalog<FirstBytes>& {
    kept = store.Kept<FirstBytes>(path, "COBO", 2);
    return *kept;
  };
  std::vector<uint8_t> bytes = Header("COBO");
  bytes.insert(bytes.end(), {7, 0, 8, 0});
  const std::string path = Write("kept.dat", bytes);
  EXPECT_EQ(read(path).index.records, (std::vector<uint8_t>{7, 8}));
  EXPECT_EQ(read(path).index.records, (std::vector<uint8_t>{7, 8}));
  bytes.insert(bytes.end(), {9, 0});
  Write("kept.dat", bytes);
  EXPECT_EQ(read(path).index.records, (std::vector<uint8_t>{7, 8, 9}));
  std::filesystem::remove(path);
  EXPECT_EQ(read(path).result, WalkResult::CannotOpen);
  EXPECT_TRUE(read(path).index.records.empty());
  Write("kept.dat", bytes);
  EXPECT_EQ(read(path).index.records.size(), 3u);

  // What a frame holds stays whole while the preparing thread reads the changed file again.
  const auto held = store.Kept<FirstBytes>(path, "COBO", 2);
  bytes.insert(bytes.end(), {5, 0});
  Write("kept.dat", bytes);
  std::thread([&] { store.Kept<FirstBytes>(path, "COBO", 2); }).join();
  EXPECT_EQ(held->index.records.size(), 3u);
  EXPECT_EQ(read(path).index.records.size(), 4u);
}

// A file over its kind's ceiling is refused at every read and named on stderr once per store.
TEST_F(WalkFolder, TooLargeFileIsNamedOnce) {
  std::vector<uint8_t> bytes = Header("COBO");
  bytes.resize(MaxCatalogBytes("COBO") + 2);
  const std::string path = Write("huge.dat", bytes);
  testing::internal::CaptureStderr();
  CatalogStore store;
  RecordFile file(2);
  EXPECT_EQ(store.Open(file, path, "COBO"), WalkResult::TooLarge);
  EXPECT_EQ(store.Open(file, path, "COBO"), WalkResult::TooLarge);
  using FirstBytes = DecodedRecords<uint8_t, FirstByte>;
  EXPECT_EQ(store.Kept<FirstBytes>(path, "COBO", 2)->result, WalkResult::TooLarge);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("huge.dat"), std::string::npos);
}

}  // namespace
}  // namespace halvane
