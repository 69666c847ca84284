// The configuration dialog (dialog 114): its procedure and the control numbers its template
// gives.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

namespace halvane {

enum ConfigDialogControl {
  LATITUDE_DEGREES = 1001,
  LONGITUDE_MINUTES = 1002,
  LONGITUDE_SECONDS = 1003,
  LONGITUDE_DEGREES = 1004,
  LATITUDE_MINUTES = 1005,
  LATITUDE_SECONDS = 1006,
  USE_SYSTEM_TIME = 1007,
  DAY = 1008,
  MONTH = 1009,
  YEAR = 1010,
  HOUR = 1011,
  MINUTE = 1012,
  SECOND = 1013,
  CITY = 1014,
  COMPASS_OFFSET = 1075,
};

// The dialog's procedure; RunDialog's creation data is the MainWindow it edits.
bool ConfigDialogProc(DialogHandle dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);

}  // namespace halvane
