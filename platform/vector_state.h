// Keeping the x86 vector unit in a clean state after calling into Qt.
#pragma once

namespace halvane {

// Some of Qt's vectorised routines return with the upper halves of the AVX registers in
// use. The maths library's sine and cosine then pay a state-transition penalty on every
// call, about twenty times their normal cost, until something clears that state. Platform
// code calls this after handing control to Qt and before going back to the chart. Does
// nothing on processors without AVX and on other architectures.
void ClearUpperVectorState();

}  // namespace halvane
