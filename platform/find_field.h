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

// Runs the field over owner until a completion is chosen (it is returned) or the text is
// confirmed with Enter (the text is returned); empty when cancelled.
std::u16string RunFindField(WindowHandle owner, std::u16string_view title,
                            const CompletionSource& complete);

// For tests: the find field's dialog while it runs; null otherwise.
QDialog* RunningFindField();

}  // namespace halvane
