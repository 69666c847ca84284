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

// Runs the field over owner until a completion is chosen or the text is confirmed with Enter
// and accept takes it (the text is returned); empty when cancelled. Text that accept refuses
// stays in the field with "not found" beneath it.
std::u16string RunFindField(WindowHandle owner, std::u16string_view title,
                            const CompletionSource& complete, const FindAcceptor& accept);

// For tests: the find field's dialog while it runs; null otherwise.
QDialog* RunningFindField();

}  // namespace halvane
