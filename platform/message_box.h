// A modal message box for what the user must hear about: a warning with a choice to retry.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace halvane {

enum class MessageBoxAnswer { Retry, Cancel };

// Shows text (plain, never markup) under title over owner, or on its own when owner is null,
// with the buttons "Retry" (the default) and cancelText; Escape and the close button cancel.
// Returns the answer once the box is closed.
MessageBoxAnswer AskRetry(WindowHandle owner, const std::string& title, const std::string& text,
                          const std::string& cancelText);

}  // namespace halvane
