// The system's dialog for choosing a file to read.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace halvane {

// The path chosen under title over owner; empty when the dialog was cancelled.
std::string ChooseFileToOpen(WindowHandle owner, const std::string& title);

}  // namespace halvane
