// Where the program's files lie.
#pragma once

#include <string>

namespace halvane {

// The folder of the running executable with a trailing '/', from /proc/self/exe; "./" when
// that cannot be read.
std::string ExecutableDirectory();

}  // namespace halvane
