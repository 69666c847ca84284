// A small modal dialog with one text field whose completions come from the caller: Find's
// search field. The field is a plain line edit, so on-screen keyboards and input methods work.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_system.h"

class QDialog;

namespace halvane {

// The completions to offer for the text typed so far, best first.
using CompletionSource = std::function<std::vector<std::u16string>(std::u16string_view text)>;

// Whether the caller could use the chosen text; the field stays open when it could not.
using FindAcceptor = std::function<bool(std::u16string_view text)>;

// The name a text that was not found may have meant (one typing error away); empty for none.
using FindSuggestion = std::function<std::u16string(std::u16string_view text)>;

// Runs the field over owner until a completion is chosen or the text is confirmed with Enter
// and accept takes it (the text is returned); empty when cancelled. Text that accept refuses
// stays in the field with "Did you mean NAME?" beneath it when suggest offers a name (Enter
// again, or a tap on it, takes that name), else "not found".
std::u16string RunFindField(WindowHandle owner, std::u16string_view title,
                            const CompletionSource& complete, const FindAcceptor& accept,
                            const FindSuggestion& suggest = nullptr);

// For tests: the find field's dialog while it runs; null otherwise.
QDialog* RunningFindField();

}  // namespace halvane
