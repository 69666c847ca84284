// One running copy per user: a local socket named from the window class, the title and the
// user. A second start reaches the first through it and asks it to come to the foreground.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace halvane {

// The socket name for this class and title and the current user.
std::string InstanceSocketName(const std::string& className, const std::string& title);

// True when a running copy answered on the socket; it has then been asked to come to the
// foreground.
bool SignalRunningInstance(const std::string& className, const std::string& title);

// Listens on the socket until the window is destroyed, bringing the window to the foreground
// whenever a second start knocks. A stale socket left by a killed copy is replaced.
void ListenForLaterInstances(WindowHandle window, const std::string& className,
                             const std::string& title);

// For tests: a suffix that gives the socket a name of its own, so tests running side by side
// do not see each other. Empty restores the product's name.
void SetInstanceScopeForTesting(const std::string& scope);

}  // namespace halvane
