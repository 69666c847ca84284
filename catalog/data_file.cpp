// The data-file header and the buffered record walk.
#include "catalog/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/printable_text.h"

namespace halvane {

namespace {

constexpr size_t BUFFER_SIZE = 64 * 1024;

struct Ceiling {
  std::string_view tag;
  size_t records;
  size_t recordBytes;
};

// The record sizes are those of catalog_records.h, sky_records.h, city_records.h and
// local_sky_names.h (a version-1 city file's records are smaller, so the version-2 size
// covers both).
constexpr Ceiling CEILINGS[] = {
    {"STAR", 800000, 20}, {"COLI", 8000, 32},   {"COBO", 60000, 18},
    {"LABL", 8000, 36},   {"DSKY", 160000, 56}, {"MWAY", 310000, 20},
    {"NAME", 400000, 64}, {"CITY", 250000, 78}, {"SKYN", 60000, 96},
};

// Opens only an existing regular file; a directory, device or fifo is not a catalog.
// O_NONBLOCK keeps a fifo from blocking the open; it is cleared for the reads.
int OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

bool ReadExactly(int fd, uint8_t* bytes, size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t got = ::pread(fd, bytes, size, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<size_t>(got);
    offset += got;
  }
  return true;
}

}  // namespace

bool ReadRecordAt(const std::string& path, std::string_view tag, size_t recordSize, size_t index,
                  uint8_t* record) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return false;
  uint8_t header[HEADER_SIZE];
  const bool read =
      ReadExactly(fd, header, HEADER_SIZE, 0) && ValidateHeader(header, tag) &&
      ReadExactly(fd, record, recordSize, static_cast<off_t>(HEADER_SIZE + index * recordSize));
  ::close(fd);
  return read;
}

FileState StateOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
          static_cast<int64_t>(info.st_size),
          static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void WriteU16(uint16_t value, uint8_t* p) {
  p[0] = static_cast<uint8_t>(value & 0xFF);
  p[1] = static_cast<uint8_t>(value >> 8);
}

void WriteI16(int16_t value, uint8_t* p) { WriteU16(static_cast<uint16_t>(value), p); }

void WriteU32(uint32_t value, uint8_t* p) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

void WriteF64(double value, uint8_t* p) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

DataFileHeader DecodeHeader(const uint8_t* bytes) {
  DataFileHeader header{};
  std::memcpy(header.magic, bytes, 4);
  std::memcpy(header.tag, bytes + 4, 4);
  header.version = ReadU16(bytes + 8);
  header.reserved = ReadU16(bytes + 10);
  return header;
}

void EncodeHeader(std::string_view tag, uint8_t* bytes, uint16_t version) {
  std::memcpy(bytes, HEADER_MAGIC.data(), 4);
  std::memset(bytes + 4, ' ', 4);
  std::memcpy(bytes + 4, tag.data(), tag.size() < 4 ? tag.size() : 4);
  WriteU16(version, bytes + 8);
  WriteU16(0, bytes + 10);
}

bool ValidateHeader(const uint8_t* bytes, std::string_view tag, uint16_t version) {
  const DataFileHeader header = DecodeHeader(bytes);
  return tag.size() == 4 && std::memcmp(header.magic, HEADER_MAGIC.data(), 4) == 0 &&
         std::memcmp(header.tag, tag.data(), 4) == 0 && header.version == version &&
         header.reserved == 0;
}

RecordFile::RecordFile(size_t recordSize) : recordSize(recordSize) { assert(recordSize > 0); }

RecordFile::~RecordFile() {
  if (fd >= 0) ::close(fd);
}

size_t MaxCatalogBytes(std::string_view tag) {
  for (const Ceiling& ceiling : CEILINGS) {
    if (ceiling.tag == tag) return HEADER_SIZE + ceiling.records * ceiling.recordBytes;
  }
  return 0;
}

WalkResult RecordFile::Open(const std::string& path, std::string_view tag, uint16_t version) {
  if (fd >= 0) ::close(fd);
  begin = end = 0;
  atEnd = false;
  fd = OpenRegularFile(path);
  if (fd < 0) return WalkResult::CannotOpen;
  const size_t wanted = BUFFER_SIZE < recordSize ? recordSize : BUFFER_SIZE;
  if (capacity < wanted) {
    buffer = std::make_unique_for_overwrite<uint8_t[]>(wanted);
    capacity = wanted;
  }
  while (end - begin < HEADER_SIZE && Fill()) {
  }
  if (end - begin < HEADER_SIZE) return WalkResult::HeaderRejected;
  const uint8_t* header = buffer.get() + begin;
  begin += HEADER_SIZE;
  // A reader that takes any header (Labels.dat) is held to the ceiling of the kind the header
  // names, else to the largest.
  size_t ceiling = MaxCatalogBytes(
      tag.empty() ? std::string_view(reinterpret_cast<const char*>(header) + 4, 4) : tag);
  if (ceiling == 0 && tag.empty()) {
    for (const Ceiling& kind : CEILINGS) {
      ceiling = std::max(ceiling, HEADER_SIZE + kind.records * kind.recordBytes);
    }
  }
  struct stat info {};
  if (ceiling > 0 && ::fstat(fd, &info) == 0 && static_cast<uint64_t>(info.st_size) > ceiling) {
    refusedSize = static_cast<size_t>(info.st_size);
    refusedCeiling = ceiling;
    ::close(fd);
    fd = -1;
    return WalkResult::TooLarge;
  }
  if (!tag.empty() && !ValidateHeader(header, tag, version)) return WalkResult::HeaderRejected;
  return WalkResult::Completed;
}

const uint8_t* RecordFile::Next() {
  while (end - begin < recordSize) {
    if (!Fill()) return nullptr;
  }
  const uint8_t* record = buffer.get() + begin;
  begin += recordSize;
  return record;
}

// Moves the unread tail to the front and reads more after it; false at the end of the file
// or on a read error, either of which ends the walk.
bool RecordFile::Fill() {
  if (atEnd || fd < 0) return false;
  if (begin > 0) {
    std::memmove(buffer.get(), buffer.get() + begin, end - begin);
    end -= begin;
    begin = 0;
  }
  ssize_t got;
  do {
    got = ::read(fd, buffer.get() + end, capacity - end);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    atEnd = true;
    return false;
  }
  end += static_cast<size_t>(got);
  return true;
}

void ReportTooLarge(const RecordFile& file, const std::string& path) {
  std::fprintf(stderr, "halvane: %s is %zu bytes, more than the %zu its kind may have; not read\n",
               PrintableText(path, ECHOED_VALUE_BYTES).c_str(), file.GetRefusedSize(),
               file.GetCeiling());
}

}  // namespace halvane
