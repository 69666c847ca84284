// Catalog files read once and kept, in some form of their own, while the file on disk stays the
// same. A frame then walks memory instead of reading the file, and positions carry their
// directions, so that placing them on the chart takes a rotation instead of sines and cosines.
// Only what a frame walks often is kept: memory first touched costs a page fault per page, which
// at start-up outweighs a read of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/data_file.h"
#include "catalog/layer_message.h"
#include "platform/surface.h"

namespace halvane {

// What a file's records became; Index is default-constructible and takes each whole record in
// file order through Add(const uint8_t*).
template <typename Index>
struct CachedCatalog {
  WalkResult result = WalkResult::CannotOpen;
  Index index;
};

// The records of the file at path, built into an Index, made again only when the file's state
// (inode, size, time of change) differs from the last read. Kept for the life of the program.
// One thread only: the chart draws on one.
template <typename Index>
const CachedCatalog<Index>& CachedIndex(const std::string& path, std::string_view tag,
                                        size_t recordSize) {
  struct Entry {
    FileState state;
    CachedCatalog<Index> catalog;
  };
  static std::map<std::string, Entry, std::less<>> entries;
  const FileState now = StateOf(path);
  auto found = entries.find(path);
  if (found != entries.end() && found->second.state == now && now.size >= 0) {
    return found->second.catalog;
  }
  Entry& entry = entries[path];
  entry.state = now;
  entry.catalog.index = Index();
  entry.catalog.result = WalkRecords(path, tag, recordSize,
                                     [&](const uint8_t* bytes) { entry.catalog.index.Add(bytes); });
  return entry.catalog;
}

// An Index of every record as decode makes it.
template <typename Record, Record (*decode)(const uint8_t*)>
struct DecodedRecords {
  void Add(const uint8_t* bytes) { records.push_back(decode(bytes)); }
  std::vector<Record> records;
};

// False, with the file's message written onto the chart, when the catalog could not be read.
template <typename Index>
bool UsableCatalog(const CachedCatalog<Index>& catalog, std::u16string_view notFoundText,
                   Surface& surface, const Rect& viewRect) {
  return UsableLayerFile(catalog.result, notFoundText, surface, viewRect);
}

}  // namespace halvane
