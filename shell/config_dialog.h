// The control numbers of the configuration dialog (dialog 114), as its template gives them.
#pragma once

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
};

}  // namespace halvane
