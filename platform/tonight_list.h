// The Tonight list: a panel inside the main window, beside the chart or along its bottom, of
// one line per event or body; a tap (or Enter) on a line chooses it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

class QDialog;

namespace halvane {

// Shows the list over owner's chart, replacing one that is open, and returns; chosen gets the
// index of the line chosen, after the list has closed. Escape or Close closes it unchosen.
void ShowTonightList(WindowHandle owner, const std::u16string& title,
                     const std::vector<std::u16string>& lines,
                     const std::function<void(int)>& chosen);

// For tests: the list's panel while it is open; null otherwise.
QDialog* RunningTonightList();

}  // namespace halvane
