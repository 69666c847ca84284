// The 12-byte header that opens every data file, and the walk that all catalog readers
// share: open read-only, check the header, hand out whole fixed-size records until the
// first short read, close on every path.
//
// Header layout, little-endian, no gaps:
//   offset 0  4 bytes  magic    "HALV"
//   offset 4  4 bytes  tag      four ASCII characters naming the kind of file
//   offset 8  2 bytes  version  unsigned, 1 unless a format says otherwise
//   offset 10 2 bytes  reserved unsigned, always 0
// Records follow directly; their number is whatever the file length gives. Each kind has a
// ceiling of about ten times its shipped catalog (MaxCatalogBytes), so that no file, however
// large, makes a reader hold memory in proportion to it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

constexpr size_t HEADER_SIZE = 12;
constexpr std::string_view HEADER_MAGIC = "HALV";
constexpr uint16_t HEADER_VERSION = 1;

struct DataFileHeader {
  char magic[4];
  char tag[4];
  uint16_t version;
  uint16_t reserved;
};
static_assert(sizeof(DataFileHeader) == HEADER_SIZE, "the header has no gaps");

DataFileHeader DecodeHeader(const uint8_t* bytes);
// Writes magic, tag (four characters), the version and reserved 0 into bytes[0..12).
void EncodeHeader(std::string_view tag, uint8_t* bytes, uint16_t version = HEADER_VERSION);

// True when the 12 bytes carry the magic, exactly this four-letter tag, this version and
// reserved 0. Wrong magic, tag and version are not told apart.
bool ValidateHeader(const uint8_t* bytes, std::string_view tag, uint16_t version = HEADER_VERSION);

enum class WalkResult {
  Completed,       // every whole record was handed out (maybe none)
  CannotOpen,      // missing, a directory, a device, unreadable
  HeaderRejected,  // shorter than 12 bytes, or ValidateHeader said no
  TooLarge,        // larger than its kind's ceiling
};

// The largest file of the kind tag that is read, header included (0 for a kind without one):
//   STAR 800 000 records (FaintStars.dat ships 76 805), COLI 8 000 (743), COBO 60 000 (5 196),
//   LABL 8 000 (740), DSKY 160 000 (15 810), MWAY 310 000 (30 676), NAME 400 000 (38 884),
//   CITY 250 000 (24 323), SKYN 60 000 (3 982). A read that takes any header (Labels.dat's)
//   is held to the ceiling of the kind its header names, else to the largest.
size_t MaxCatalogBytes(std::string_view tag);

// One pass over a data file: Open reads the header (validated against tag and version unless
// tag is empty, in which case any 12 bytes are skipped), Next hands out each whole record of
// recordSize bytes in file order and null after the last; a partial last record is ignored
// silently, and so is a read error. A file over its kind's ceiling is not read (TooLarge).
// The file is closed by the destructor, or by another
// Open, which starts a new pass. Reads go through a 64 KiB buffer, not one system call per
// record. Only an existing regular file opens: a directory, device or fifo counts as
// CannotOpen.
class RecordFile {
 public:
  // recordSize must not be 0.
  explicit RecordFile(size_t recordSize);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  WalkResult Open(const std::string& path, std::string_view tag, uint16_t version = HEADER_VERSION);
  // The next whole record, valid until the following call; null at the end.
  const uint8_t* Next();
  // After a TooLarge open: the file's size and its kind's ceiling, in bytes.
  size_t GetRefusedSize() const { return refusedSize; }
  size_t GetCeiling() const { return refusedCeiling; }

 private:
  bool Fill();

  size_t recordSize;
  int fd = -1;
  // Left uninitialised: every layer opens its file each frame, and clearing 64 KiB each time
  // showed in the frame's profile.
  std::unique_ptr<uint8_t[]> buffer;
  size_t capacity = 0;
  size_t begin = 0;  // first unread byte in buffer
  size_t end = 0;    // one past the last valid byte
  bool atEnd = false;
  size_t refusedSize = 0;
  size_t refusedCeiling = 0;
};

// Says on stderr that file, opened from path, was refused as too large.
void ReportTooLarge(const RecordFile& file, const std::string& path);

// Calls onRecord(const uint8_t*) for every whole record of the file; see RecordFile. A file
// too large is said on stderr: whole files are read once, not at every frame.
template <typename OnRecord>
WalkResult WalkRecords(const std::string& path, std::string_view tag, size_t recordSize,
                       OnRecord&& onRecord, uint16_t version = HEADER_VERSION) {
  RecordFile file(recordSize);
  const WalkResult result = file.Open(path, tag, version);
  if (result == WalkResult::TooLarge) ReportTooLarge(file, path);
  if (result != WalkResult::Completed) return result;
  while (const uint8_t* record = file.Next()) onRecord(record);
  return WalkResult::Completed;
}

// Reads the record at index (counted from 0) of a file whose header has tag and version into
// record (recordSize bytes); false when the file cannot be opened, its header differs, or it
// holds no whole record there.
bool ReadRecordAt(const std::string& path, std::string_view tag, size_t recordSize, size_t index,
                  uint8_t* record);

// What tells one state of a file from another (all unset when it cannot be read): a copy read
// earlier is stale once this changes.
struct FileState {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = -1;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const FileState&) const = default;
};
FileState StateOf(const std::string& path);

// Little-endian field decoding; p need not be aligned.
// Inline: the star layer decodes every record of every frame.
inline uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline int16_t ReadI16(const uint8_t* p) { return static_cast<int16_t>(ReadU16(p)); }
inline uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline double ReadF64(const uint8_t* p) {
  uint64_t bits = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&bits, p, sizeof bits);
  } else {
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
  }
  return std::bit_cast<double>(bits);
}
void WriteU16(uint16_t value, uint8_t* p);
void WriteI16(int16_t value, uint8_t* p);
void WriteU32(uint32_t value, uint8_t* p);
void WriteF64(double value, uint8_t* p);

}  // namespace halvane
