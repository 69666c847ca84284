// Catalog files for tests: records of any kind encoded behind a valid header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_records.h"
#include "catalog/data_file.h"
#include "tests/support/scratch_folder.h"

namespace halvane::test_support {

// The bytes of a catalog: the header with tag, then each record through encode.
template <typename Record, typename Encode>
std::vector<uint8_t> CatalogBytes(std::string_view tag, size_t recordSize,
                                  const std::vector<Record>& records, Encode encode) {
  std::vector<uint8_t> bytes(HEADER_SIZE + recordSize * records.size());
  EncodeHeader(tag, bytes.data());
  for (size_t i = 0; i < records.size(); ++i) {
    encode(records[i], bytes.data() + HEADER_SIZE + i * recordSize);
  }
  return bytes;
}

template <typename Record, typename Encode>
void WriteCatalog(const std::string& path, std::string_view tag, size_t recordSize,
                  const std::vector<Record>& records, Encode encode) {
  WriteBytes(path, CatalogBytes(tag, recordSize, records, encode));
}

inline void WriteStars(const std::string& path, const std::vector<StarRecord>& stars,
                       std::string_view tag = STARS_TAG) {
  WriteCatalog(path, tag, STAR_RECORD_SIZE, stars, EncodeStar);
}

}  // namespace halvane::test_support
