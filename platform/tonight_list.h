// The Tonight list: a modal dialog of one line per event or body; a tap (or Enter) on a line
// chooses it.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

class QDialog;

namespace halvane {

// Runs the list over owner; the index of the chosen line, or -1 when it was closed.
int RunTonightList(WindowHandle owner, const std::u16string& title,
                   const std::vector<std::u16string>& lines);

// For tests: the dialog while it runs; null otherwise.
QDialog* RunningTonightList();

}  // namespace halvane
