// Writes a catalog file whole: header and records into a temporary file beside it, then renamed
// over it, so a failed build never leaves a half-written catalog.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "catalog/data_file.h"

namespace halvane {

// encode(record, bytes) writes one record of recordSize bytes. False with a one-line message in
// error when the file cannot be written.
template <typename Record, typename Encode>
bool WriteCatalog(const std::filesystem::path& path, std::string_view tag, size_t recordSize,
                  const std::vector<Record>& records, Encode encode, std::string& error,
                  uint16_t version = HEADER_VERSION) {
  std::vector<uint8_t> bytes(HEADER_SIZE + records.size() * recordSize);
  EncodeHeader(tag, bytes.data(), version);
  for (size_t i = 0; i < records.size(); ++i) {
    encode(records[i], bytes.data() + HEADER_SIZE + i * recordSize);
  }
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      error = temporary.string() + ": cannot be written";
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code failure;
  std::filesystem::rename(temporary, path, failure);
  if (failure) {
    error = path.string() + ": cannot be written (" + failure.message() + ")";
    return false;
  }
  return true;
}

}  // namespace halvane
