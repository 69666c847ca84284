// The command line of halvane-render: what chart to draw and where to write it, checked
// before anything is drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "astro/calendar_time.h"
#include "platform/surface.h"
#include "view/layer_set.h"

namespace halvane {

struct ViewDirection;

struct RenderOptions {
  std::string dataDirectory;  // empty: found by LocateAppFiles
  int32_t width = 240;
  int32_t height = 294;
  double scale = 1.0;                   // device pixels per chart pixel, as on a HiDPI screen
  std::optional<double> longitude;      // degrees, positive west
  std::optional<double> latitude;       // degrees, positive north
  std::optional<CalendarTime> time;     // UTC; empty: now
  const ViewDirection* view = nullptr;  // set with --view
  std::string goToName;                 // set with --goto: any name Find knows
  std::string cityName;                 // set with --city: the place of a city
  std::string language;        // set with --language: a translation's code or "en"; empty: English
  bool here = false;           // the place from the position source
  std::string positionSource;  // "nmea:..."; empty: Config.dat's, else the system's
  int32_t zoomSteps = 0;       // positive: in, negative: out
  int32_t rotateSteps = 0;     // positive: clockwise
  std::string pan;             // only l, r, u, d
  std::optional<uint16_t> layerFlags;      // the bits of Config.dat's layer flags
  std::optional<uint16_t> viewLayerFlags;  // and of its view-layer flags (set: hidden)
  bool precise = false;                    // apparent places of the date, whatever the flags say
  std::optional<Point> tap;
  std::string outPath;
  std::string tracePath;  // "-": standard output
  bool bodies = false;    // print the solar system's places
  std::string infoName;   // set with --info: print what the information panel tells of it
  std::vector<std::string> minorBodyFiles;  // --minor-bodies, each a file of elements
  bool tonight = false;                     // print the Tonight list
  std::string satellitesPath;               // set with --satellites: an element file
  std::string passesName;                   // set with --passes: print that satellite's passes
  std::optional<int32_t> passDays;          // --days: the span of --passes; empty: the coming night
  bool night = false;                       // red on black
  bool caption = false;                     // the caption of the app's window over the chart
  bool sensors = false;                     // aimed where the device's motion sensors point
  bool help = false;
};

constexpr int32_t MIN_RENDER_SIDE = 16;
constexpr int32_t MAX_RENDER_SIDE = 8192;

// Reads the arguments after the program name. On a wrong one returns false with a one-line
// message naming it in error; options is then partly filled and must not be used.
bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options,
                        std::string& error);

// The usage text that --help prints.
std::string RenderUsage();

}  // namespace halvane
