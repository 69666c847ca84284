// Where the checkout and the build folder lie, for tests that read shipped files or start the
// programs. Only build_paths.cpp knows the absolute folders, so that the compiled tests do not
// depend on where a clone lies and a compiler cache serves them for every clone.
#pragma once

#include <string>
#include <string_view>

namespace halvane::test_support {

// A file of the checkout, e.g. SourcePath("data/Stars.dat").
std::string SourcePath(std::string_view relative);
// A file of the build folder: the programs and the catalogs beside them.
std::string BuildPath(std::string_view relative);

}  // namespace halvane::test_support
