// The one GUI application of the benchmark program: text on an image needs fonts, and fonts
// need it.
#pragma once

namespace halvane {

// Makes the application on the offscreen platform unless the environment names another;
// nothing when it exists already.
void EnsureApplication();

}  // namespace halvane
