// The command line of halvane, after Qt has taken its own options.
#pragma once

#include <string>
#include <vector>

namespace halvane {

struct AppArguments {
  std::string positionSource;  // "nmea:..."; empty: keep Config.dat's
};

// Reads "--position-source nmea:SOURCE" (or "--position-source=nmea:SOURCE"). On anything
// else, or a source that does not exist, returns false with a one-line message.
bool ParseAppArguments(const std::vector<std::string>& arguments, AppArguments& parsed,
                       std::string& error);

}  // namespace halvane
