// Catalog files decoded once and kept while the file on disk stays the same. A frame then walks
// memory instead of reading the file, and each position carries its direction, so that placing
// it on the chart takes a rotation instead of sines and cosines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "catalog/data_file.h"
#include "catalog/layer_message.h"
#include "platform/surface.h"

namespace halvane {

// An index kept beside the records is built by Index(records) after every read.
template <typename Record, typename Index = std::monostate>
struct CachedCatalog {
  WalkResult result = WalkResult::CannotOpen;
  std::vector<Record> records;  // every whole record in file order
  Index index;
};

// The records of the file at path as decode(const uint8_t*) makes them, read again only when
// the file's state (inode, size, time of change) differs from the last read. The copies are
// kept for the life of the program: a few megabytes, against a read of every file each frame.
// One thread only: the chart draws on one.
template <typename Record, typename Index = std::monostate, typename Decode>
const CachedCatalog<Record, Index>& CachedRecords(const std::string& path, std::string_view tag,
                                                  size_t recordSize, Decode decode) {
  struct Entry {
    FileState state;
    CachedCatalog<Record, Index> catalog;
  };
  static std::map<std::string, Entry, std::less<>> entries;
  const FileState now = StateOf(path);
  auto found = entries.find(path);
  if (found != entries.end() && found->second.state == now && now.size >= 0) {
    return found->second.catalog;
  }
  Entry& entry = entries[path];
  entry.state = now;
  entry.catalog.records.clear();
  entry.catalog.result = WalkRecords(path, tag, recordSize, [&](const uint8_t* bytes) {
    entry.catalog.records.push_back(decode(bytes));
  });
  if constexpr (!std::is_same_v<Index, std::monostate>) {
    entry.catalog.index = Index(entry.catalog.records);
  }
  return entry.catalog;
}

// False, with the file's message written onto the chart, when the catalog could not be read.
template <typename Record, typename Index>
bool UsableCatalog(const CachedCatalog<Record, Index>& catalog, std::u16string_view notFoundText,
                   Surface& surface, const Rect& viewRect) {
  switch (catalog.result) {
    case WalkResult::CannotOpen: DrawLayerMessage(surface, viewRect, notFoundText); return false;
    case WalkResult::HeaderRejected:
      DrawLayerMessage(surface, viewRect, UNSUPPORTED_VERSION_TEXT);
      return false;
    case WalkResult::Completed: return true;
  }
  return false;
}

}  // namespace halvane
