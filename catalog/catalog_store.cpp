// The catalog store's one line per refused file.
#include "catalog/catalog_store.h"

namespace halvane {

WalkResult CatalogStore::Open(RecordFile& file, const std::string& path, std::string_view tag) {
  const WalkResult result = file.Open(path, tag);
  const std::lock_guard<std::mutex> lock(guard);
  Report(file, path, result);
  return result;
}

void CatalogStore::Report(const RecordFile& file, const std::string& path, WalkResult result) {
  if (result == WalkResult::TooLarge && reportedTooLarge.insert(path).second) {
    ReportTooLarge(file, path);
  }
}

}  // namespace halvane
