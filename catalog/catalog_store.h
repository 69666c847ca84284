// CatalogStore: the catalog files the chart's layers keep in memory, each in some form of its
// own, while the file on disk stays the same. A frame then walks memory instead of reading the
// file, and positions carry their directions, so that placing them takes a rotation instead of
// sines and cosines. Only what a frame walks often is kept: memory first touched costs a page
// fault per page, which at start-up outweighs a read of the file.
// The chart owns one. It may be filled from the thread that prepares the layers while a frame
// or a tap reads it: each kept form is made whole before it is handed out, and shared with
// whoever still holds the last one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "catalog/data_file.h"
#include "catalog/layer_message.h"
#include "platform/surface.h"

namespace halvane {

// What a file's records became; Index is default-constructible and takes each whole record in
// file order through Add(const uint8_t*), then Finish() when it has one.
template <typename Index>
struct CachedCatalog {
  WalkResult result = WalkResult::CannotOpen;
  Index index;
};

// An Index of every record as decode makes it.
template <typename Record, Record (*decode)(const uint8_t*)>
struct DecodedRecords {
  void Add(const uint8_t* bytes) { records.push_back(decode(bytes)); }
  std::vector<Record> records;
};

class CatalogStore {
 public:
  // The records of the file at path built into an Index, made again only when the file's state
  // (inode, size, time of change) differs from the last read.
  template <typename Index>
  std::shared_ptr<const CachedCatalog<Index>> Kept(const std::string& path, std::string_view tag,
                                                   size_t recordSize);

  // What make(path) builds of the file at path (a T), made again only when the file's state
  // differs from the last time.
  template <typename T, typename Make>
  std::shared_ptr<const T> Made(const std::string& path, Make make);

  // Opens a file that a layer walks as it draws; a file over its kind's ceiling is said once on
  // stderr, not at every frame.
  WalkResult Open(RecordFile& file, const std::string& path, std::string_view tag);

 private:
  struct Entry {
    FileState state;
    std::shared_ptr<const void> catalog;
  };

  // Called with guard held.
  void Report(const RecordFile& file, const std::string& path, WalkResult result);

  std::mutex guard;
  std::map<std::pair<std::type_index, std::string>, Entry, std::less<>> entries;
  std::set<std::string, std::less<>> reportedTooLarge;
};

template <typename Index>
std::shared_ptr<const CachedCatalog<Index>> CatalogStore::Kept(const std::string& path,
                                                               std::string_view tag,
                                                               size_t recordSize) {
  return Made<CachedCatalog<Index>>(path, [&](const std::string& file) {
    CachedCatalog<Index> made;
    RecordFile records(recordSize);
    made.result = records.Open(file, tag);
    Report(records, file, made.result);
    if (made.result == WalkResult::Completed) {
      while (const uint8_t* record = records.Next()) made.index.Add(record);
      if constexpr (requires { made.index.Finish(); }) made.index.Finish();
    }
    return made;
  });
}

template <typename T, typename Make>
std::shared_ptr<const T> CatalogStore::Made(const std::string& path, Make make) {
  const std::lock_guard<std::mutex> lock(guard);
  const FileState now = StateOf(path);
  Entry& entry = entries[{std::type_index(typeid(T)), path}];
  if (entry.catalog && entry.state == now && now.size >= 0) {
    return std::static_pointer_cast<const T>(entry.catalog);
  }
  auto made = std::make_shared<const T>(make(path));
  entry.state = now;
  entry.catalog = made;
  return made;
}

// False, with the file's message written onto the chart, when the catalog could not be read.
template <typename Index>
bool UsableCatalog(const CachedCatalog<Index>& catalog, std::u16string_view notFoundText,
                   Surface& surface, const Rect& viewRect) {
  return UsableLayerFile(catalog.result, notFoundText, surface, viewRect);
}

}  // namespace halvane
