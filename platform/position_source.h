// Where the device is: one position from the system's location service or from a named NMEA
// stream, read on this machine only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace halvane {

// How long a request waits for a fix before it gives up.
constexpr int32_t POSITION_TIMEOUT_MS = 30000;
// The desktop entry the system's permission prompt names.
constexpr char POSITION_DESKTOP_ID[] = "io.github.halvane.Halvane";

struct PositionReading {
  bool found = false;
  double latitude = 0.0;       // degrees, positive north
  double eastLongitude = 0.0;  // degrees, positive EAST, as the sources count it
  std::string reason;          // without a fix: why, in one line
};

// A source name is empty (the system's default source: GeoClue2 on Linux) or "nmea:" and a
// serial device ("/dev/ttyUSB0"), a file of NMEA sentences, or a TCP "host:port". Returns
// whether name is one of these; otherwise reason says what is wrong.
bool CheckPositionSource(const std::string& name, std::string& reason);

class PositionSourceReader;

// One request for a position. The callback runs once, from the event loop, with a fix or
// the reason there is none (no source, no permission, no fix within timeoutMs); destroying
// the request first cancels it and the callback never runs.
class PositionRequest {
 public:
  using Callback = std::function<void(const PositionReading&)>;
  PositionRequest(const std::string& sourceName, int32_t timeoutMs, Callback done);
  ~PositionRequest();
  PositionRequest(const PositionRequest&) = delete;
  PositionRequest& operator=(const PositionRequest&) = delete;

 private:
  std::unique_ptr<PositionSourceReader> reader;
};

// The same, waiting for the answer in a local event loop; needs a Qt application object.
PositionReading ReadPosition(const std::string& sourceName, int32_t timeoutMs);

}  // namespace halvane
