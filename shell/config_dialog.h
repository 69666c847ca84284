// The configuration dialog (dialog 114): the settings form on the dialog's controls, and the
// control numbers its template gives.
#pragma once

namespace halvane {

class MainWindow;

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
  LONGITUDE_SIDE = 1016,  // 0 east, 1 west
  LATITUDE_SIDE = 1017,   // 0 north, 1 south
  LONGITUDE_DECIMAL = 1018,
  LATITUDE_DECIMAL = 1019,
  USE_MY_LOCATION = 1020,
  PLACE_MESSAGE = 218,
  TIME_MESSAGE = 219,
  TIME_ZONE = 224,  // the name of the zone the time fields are in
  HEADING = 225,    // what the dialog asks, in one line
  COMPASS_OFFSET = 1075,
  LANGUAGE = 1076,
};

// Shows the window's place, time and compass offset in the dialog, modally; OK gives them to
// the window. True when OK ended it.
bool RunConfigDialog(MainWindow& window);

}  // namespace halvane
