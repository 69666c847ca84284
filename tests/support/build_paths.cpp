#include "tests/support/build_paths.h"

namespace halvane::test_support {

std::string SourcePath(std::string_view relative) {
  return std::string(HALVANE_SOURCE_DIR) + "/" + std::string(relative);
}

std::string BuildPath(std::string_view relative) {
  return std::string(HALVANE_BINARY_DIR) + "/" + std::string(relative);
}

}  // namespace halvane::test_support
