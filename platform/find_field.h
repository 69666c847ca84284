// Find's search field, inside the main window: a field in the menu bar of a desktop's window,
// and on a phone or in a small window a strip over the chart's top that Find opens. Its completions
// come from the caller. The field is a plain line edit, so on-screen keyboards and input methods
// work.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/menu_bar.h"
#include "platform/window_system.h"

class QDialog;

namespace halvane {

// The completions to offer for the text typed so far, best first.
using CompletionSource = std::function<std::vector<std::u16string>(std::u16string_view text)>;

// Whether the caller could use the chosen text; the field stays open when it could not.
using FindAcceptor = std::function<bool(std::u16string_view text)>;

// The name a text that was not found may have meant (one typing error away); empty for none.
using FindSuggestion = std::function<std::u16string(std::u16string_view text)>;

// Opens the strip over owner's chart and returns; it closes when a completion is chosen or a
// text confirmed with Enter that accept takes, and with Escape or its close button. Text that
// accept refuses stays in the field with "Did you mean NAME?" beneath it when suggest offers a
// name (Enter again, or a tap on it, takes that name), else "not found". Focuses the strip's
// field when it is open already.
void ShowFindField(WindowHandle owner, const CompletionSource& complete, const FindAcceptor& accept,
                   const FindSuggestion& suggest = nullptr);

// Adds a find field to the bar, shown while the window is on a screen wider than a phone's
// and has room for it; what it finds, or Escape, gives the keys back to the chart.
void AddMenuBarFindField(MenuBarHandle bar, const CompletionSource& complete,
                         const FindAcceptor& accept, const FindSuggestion& suggest = nullptr);
// Puts the cursor in the bar's find field; false when the bar has none showing.
bool FocusMenuBarFindField(MenuBarHandle bar);

// For tests: the strip while it is open; null otherwise. The bar's field is "barFindText".
QDialog* RunningFindField();

}  // namespace halvane
