// Reading and checking halvane-render's arguments.
#include "tools/render_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "astro/calendar.h"
#include "platform/language.h"
#include "platform/position_source.h"
#include "platform/printable_text.h"
#include "platform/translate.h"
#include "shell/action_table.h"
#include "shell/config_file.h"
#include "view/view_directions.h"

namespace halvane {

namespace {

bool ParseInt(std::string_view text, int32_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

enum class NumberStatus { Ok, Malformed, NotFinite };

NumberStatus ParseDouble(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return NumberStatus::Malformed;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) return NumberStatus::NotFinite;
  if (ec != std::errc() || end != text.data() + text.size()) return NumberStatus::Malformed;
  return std::isfinite(value) ? NumberStatus::Ok : NumberStatus::NotFinite;
}

// Splits "AxB" (or "A,B") at the first separator into two integers.
bool ParsePair(std::string_view text, char separator, int32_t& first, int32_t& second) {
  const size_t at = text.find(separator);
  if (at == std::string_view::npos) return false;
  return ParseInt(text.substr(0, at), first) && ParseInt(text.substr(at + 1), second);
}

// 0 for Sunday, as the calendar record counts.
int DayOfWeek(int year, int month, int day) {
  constexpr int OFFSETS[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + OFFSETS[month - 1] + day) % 7;
}

bool ParseDigits(std::string_view text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// YYYY-MM-DDTHH:MM[:SS]Z, a real date and time of day.
bool ParseUtc(std::string_view text, CalendarTime& time) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  const bool hasSeconds = text.size() == 20;
  if (text.size() != 17 && !hasSeconds) return false;
  if (!ParseDigits(text, 0, 4, year) || text[4] != '-' || !ParseDigits(text, 5, 2, month) ||
      text[7] != '-' || !ParseDigits(text, 8, 2, day) || text[10] != 'T' ||
      !ParseDigits(text, 11, 2, hour) || text[13] != ':' || !ParseDigits(text, 14, 2, minute) ||
      text.back() != 'Z') {
    return false;
  }
  if (hasSeconds && (text[16] != ':' || !ParseDigits(text, 17, 2, second))) return false;
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour > 23 || minute > 59 || second > 59) {
    return false;
  }
  time = CalendarTime{static_cast<uint16_t>(year),
                      static_cast<uint16_t>(month),
                      static_cast<uint16_t>(DayOfWeek(year, month, day)),
                      static_cast<uint16_t>(day),
                      static_cast<uint16_t>(hour),
                      static_cast<uint16_t>(minute),
                      static_cast<uint16_t>(second),
                      0};
  return true;
}

const ViewDirection* FindView(std::string_view name) {
  if (name == "north") return &VIEW_NORTH;
  if (name == "east") return &VIEW_EAST;
  if (name == "south") return &VIEW_SOUTH;
  if (name == "west") return &VIEW_WEST;
  if (name == "zenith") return &VIEW_ZENITH;
  return nullptr;
}

// An argument as messages echo it: escaped and cut.
std::string Quoted(std::string_view value) {
  return "'" + PrintableText(value, ECHOED_VALUE_BYTES) + "'";
}

bool ParseOption(const std::string& name, const std::string& value, RenderOptions& o,
                 std::string& error) {
  const auto fail = [&](std::string_view what) {
    //: %1 is an option, %2 what it takes, %3 the value given
    error = FillArgs(Words::Tr("%1: %2, got %3"), {name, what, Quoted(value)});
    return false;
  };
  if (name == "--data") {
    if (value.empty()) return fail(Words::Tr("expected a folder"));
    o.dataDirectory = value;
    return true;
  }
  if (name == "--size") {
    if (!ParsePair(value, 'x', o.width, o.height) || o.width < MIN_RENDER_SIDE ||
        o.height < MIN_RENDER_SIDE || o.width > MAX_RENDER_SIDE || o.height > MAX_RENDER_SIDE) {
      return fail(Words::Tr("expected WxH with sides from 16 to 8192 pixels"));
    }
    return true;
  }
  if (name == "--scale") {
    double scale = 0.0;
    if (ParseDouble(value, scale) != NumberStatus::Ok || scale < 1.0 || scale > 4.0) {
      return fail(Words::Tr("expected a pixel ratio from 1 to 4"));
    }
    o.scale = scale;
    return true;
  }
  if (name == "--longitude" || name == "--latitude") {
    const bool isLatitude = name == "--latitude";
    double degrees = 0.0;
    switch (ParseDouble(value, degrees)) {
      case NumberStatus::Malformed: return fail(Words::Tr("expected a number of degrees"));
      case NumberStatus::NotFinite: return fail(Words::Tr("expected a finite number of degrees"));
      case NumberStatus::Ok: break;
    }
    if (isLatitude && std::fabs(degrees) > 90.0)
      return fail(Words::Tr("expected -90 to 90 degrees"));
    if (!isLatitude && std::fabs(degrees) > 360.0)
      return fail(Words::Tr("expected -360 to 360 degrees"));
    (isLatitude ? o.latitude : o.longitude) = degrees;
    return true;
  }
  if (name == "--time") {
    CalendarTime time{};
    if (!ParseUtc(value, time))
      return fail(Words::Tr("expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z"));
    o.time = time;
    return true;
  }
  if (name == "--view") {
    o.view = FindView(value);
    if (o.view == nullptr) return fail(Words::Tr("expected north, east, south, west or zenith"));
    return true;
  }
  if (name == "--info") {
    if (value.empty()) return fail(Words::Tr("expected a name"));
    o.infoName = value;
    return true;
  }
  if (name == "--minor-bodies") {
    if (value.empty()) return fail(Words::Tr("expected a file of comet or minor-planet elements"));
    o.minorBodyFiles.push_back(value);
    return true;
  }
  if (name == "--satellites" || name == "--passes") {
    if (value.empty())
      return fail(name == "--passes" ? Words::Tr("expected a name")
                                     : Words::Tr("expected a file name"));
    (name == "--satellites" ? o.satellitesPath : o.passesName) = value;
    return true;
  }
  if (name == "--days") {
    int32_t days = 0;
    if (!ParseInt(value, days) || days < 1 || days > 10)
      return fail(Words::Tr("expected 1 to 10 days"));
    o.passDays = days;
    return true;
  }
  if (name == "--goto" || name == "--city") {
    if (value.empty()) return fail(Words::Tr("expected a name"));
    (name == "--goto" ? o.goToName : o.cityName) = value;
    return true;
  }
  if (name == "--position-source") {
    std::string reason;
    if (!CheckPositionSource(value, reason)) {
      error = name + ": " + reason;
      return false;
    }
    o.positionSource = value;
    return true;
  }
  if (name == "--zoom" || name == "--rotate") {
    int32_t steps = 0;
    if (!ParseInt(value, steps)) return fail(Words::Tr("expected a whole number of steps"));
    (name == "--zoom" ? o.zoomSteps : o.rotateSteps) = steps;
    return true;
  }
  if (name == "--pan") {
    if (value.find_first_not_of("lrud") != std::string::npos) {
      return fail(Words::Tr("expected a string of l, r, u and d"));
    }
    o.pan = value;
    return true;
  }
  if (name == "--layers") {
    uint16_t flags = 0;
    uint16_t viewFlags = 0;
    if (!ParseLayerNames(value, flags, viewFlags)) {
      return fail(FillArgs(Words::Tr("expected none or a list of %1"), {LayerNameList()}));
    }
    o.layerFlags = flags;
    o.viewLayerFlags = viewFlags;
    return true;
  }
  if (name == "--tap") {
    Point p;
    if (!ParsePair(value, ',', p.x, p.y)) return fail(Words::Tr("expected X,Y in pixels"));
    o.tap = p;
    return true;
  }
  if (name == "--language") {
    const bool offered =
        value == "en" ||
        std::any_of(OfferedLanguages().begin(), OfferedLanguages().end(),
                    [&value](const OfferedLanguage& language) { return value == language.code; });
    if (!offered) {
      std::string codes = "en";
      for (const OfferedLanguage& language : OfferedLanguages())
        codes += std::string(", ") + language.code;
      //: %1 lists the language codes
      return fail(FillArgs(Words::Tr("expected one of %1"), {codes}));
    }
    o.language = value;
    return true;
  }
  if (name == "--out" || name == "--trace") {
    if (value.empty()) return fail(Words::Tr("expected a file name"));
    (name == "--out" ? o.outPath : o.tracePath) = value;
    return true;
  }
  error = FillArgs(Words::Tr("unknown option %1"), {Quoted(name)});
  return false;
}

}  // namespace

bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options,
                        std::string& error) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--bodies" || argument == "--tonight") {
      (argument == "--bodies" ? options.bodies : options.tonight) = true;
      continue;
    }
    if (argument == "--precise") {
      options.precise = true;
      continue;
    }
    if (argument == "--here") {
      options.here = true;
      continue;
    }
    if (argument == "--sensors") {
      options.sensors = true;
      continue;
    }
    if (argument == "--night" || argument == "--caption") {
      (argument == "--night" ? options.night : options.caption) = true;
      continue;
    }
    if (argument.rfind("--", 0) != 0) {
      error = FillArgs(Words::Tr("unexpected argument %1"), {Quoted(argument)});
      return false;
    }
    std::string name = argument;
    std::string value;
    const size_t equals = argument.find('=');
    if (equals != std::string::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      error =
          FillArgs(Words::Tr("%1: missing value"), {PrintableText(argument, ECHOED_VALUE_BYTES)});
      return false;
    }
    if (!ParseOption(name, value, options, error)) return false;
  }
  if (options.view != nullptr && !options.goToName.empty()) {
    error = Words::Tr("--view and --goto: give only one of them");
    return false;
  }
  if (!options.cityName.empty() && (options.longitude || options.latitude)) {
    error = Words::Tr("--city and --longitude/--latitude: give only one of them");
    return false;
  }
  if (options.here && (!options.cityName.empty() || options.longitude || options.latitude)) {
    error = Words::Tr("--here and --city or --longitude/--latitude: give only one of them");
    return false;
  }
  if (options.passDays && options.passesName.empty()) {
    error = Words::Tr("--days: only with --passes");
    return false;
  }
  if (options.tap && (options.tap->x < 0 || options.tap->y < 0 || options.tap->x >= options.width ||
                      options.tap->y >= options.height)) {
    //: %1 x %2 is the chart's size in pixels, %3,%4 the point given
    error = FillArgs(Words::Tr("--tap: the point must lie on the %1x%2 chart, got %3,%4"),
                     {std::to_string(options.width), std::to_string(options.height),
                      std::to_string(options.tap->x), std::to_string(options.tap->y)});
    return false;
  }
  return true;
}

std::string RenderUsage() {
  //: the options and the trace's words stay as they are; only their descriptions change
  return Words::Tr(
      "usage: halvane-render [options]\n"
      "  --data DIR        folder of Stars.dat, ConLin.dat, ConBon.dat, Labels.dat\n"
      "                    (default: beside the executable, else ../share/halvane,\n"
      "                    else the XDG data folders)\n"
      "  --size WxH        chart size in pixels (default 240x294)\n"
      "  --scale R         device pixels per chart pixel, 1 to 4, as on a HiDPI screen;\n"
      "                    the PNG is R times the size (default 1)\n"
      "  --longitude DEG   degrees, positive west   } default: Config.dat in the data\n"
      "  --latitude DEG    degrees, positive north  } folder, else the built-in defaults\n"
      "  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (default: now)\n"
      "  --view DIR        north, east, south, west or zenith (default: zenith)\n"
      "  --goto NAME       aim at a star, object, constellation or planet by name\n"
      "  --minor-bodies FILE\n"
      "                    comet (CometEls.txt) or minor-planet (MPCORB) elements to\n"
      "                    show, find and tell of; repeatable\n"
      "  --city NAME       observe from a city of Cities.dat (\"Tokyo\", \"Paris, FR\")\n"
      "  --here            observe from the position the position source gives (within\n"
      "                    30 s; to 0.01 degree unless Config.dat keeps it exact)\n"
      "  --position-source nmea:SOURCE\n"
      "                    an NMEA stream: a serial device, a file or HOST:PORT\n"
      "                    (default: Config.dat's, else the system's location service)\n"
      "  --zoom N          N zoom-in steps from 90 degrees; negative: zoom-out steps\n"
      "  --rotate N        N clockwise 15-degree steps; negative: counter-clockwise\n"
      "  --pan KEYS        arrow-key steps, a string of l, r, u, d, applied in order\n"
      "  --layers LIST     comma-separated subset of equatorial,horizontal,lines,\n"
      "                    boundaries,solar,constellation-names,star-names,ground,\n"
      "                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,\n"
      "                    satellites, or none (default: Config.dat's, else horizontal,\n"
      "                    lines,solar,constellation-names,star-names,ground,daylight,\n"
      "                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)\n"
      "  --precise         apparent places of the date, with refraction (as the\n"
      "                    View menu's Precise positions)\n"
      "  --tap X,Y         identify the object at this pixel and write its name\n"
      "  --language CODE   names, panels and dates in this language (en, ar, cs, de, es,\n"
      "                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info and\n"
      "                    --tonight then print the panel's and Tonight's lines in it\n"
      "                    instead of their key: value lines\n"
      "  --out FILE        write the chart as PNG\n"
      "  --trace FILE      write every drawing operation, one a line (\"-\": stdout)\n"
      "  --bodies          print the Sun, the Moon and the planets, one a line: name,\n"
      "                    RA hours and Dec degrees (J2000, topocentric), altitude and\n"
      "                    azimuth degrees as drawn, magnitude, diameter arcseconds,\n"
      "                    illuminated fraction\n"
      "  --info NAME       print what the information panel tells of an object, one\n"
      "                    key: value a line (times ISO 8601 local, angles degrees and\n"
      "                    hours; a comet's or asteroid's also r_au, delta_au,\n"
      "                    phase_angle and its elements' epoch)\n"
      "  --tonight         print the Tonight list the same way: sunset, twilight, the\n"
      "                    Moon, each planet\n"
      "  --satellites FILE satellites' elements (TLE, 3LE, or OMM as CSV, JSON or XML):\n"
      "                    drawn by the satellites layer, known to --info and --tap\n"
      "  --passes NAME     print the satellite's passes, one a line: pass START AZ ALT\n"
      "                    MAX AZ ALT END AZ ALT MAG VISIBLE (times ISO 8601 UTC, the\n"
      "                    start and end at 0 degrees geometric altitude, MAG '-' when\n"
      "                    unknown, visible or unseen)\n"
      "  --days N          passes over N days (1 to 10) from the time; default: the\n"
      "                    coming night, to the next local noon\n"
      "  --night           red on black, as night vision shows it\n"
      "  --caption         the window's caption: the time given, in the zone of the place's\n"
      "                    nearest city within 100 km (else the device's), and the star limit\n"
      "  --sensors         aim where the device points, from its accelerometer and\n"
      "                    magnetometer (HALVANE_IIO_DEVICES names another sysfs folder), and\n"
      "                    print 'aim azimuth A altitude H roll R' in degrees, true north\n"
      "\n"
      "The trace has one drawing operation a line, in the order drawn; coordinates are\n"
      "chart pixels (left, top, right, bottom for rectangles), colours RRGGBB in hex:\n"
      "  fill L T R B BRUSH          BRUSH: black, white or gray\n"
      "  pen RRGGBB                  colour of the lines that follow\n"
      "  textcolor RRGGBB            colour of the text that follows\n"
      "  transparent                 text without a background from here on\n"
      "  polyline N X1 Y1 ... XN YN  a line through N points\n"
      "  text L T R B FLAGS \"TEXT\"   TEXT in UTF-8 within the rectangle, FLAGS as a\n"
      "                              number; \\\" is a quote, \\\\ a backslash, \\xNN the\n"
      "                              byte NN of a control character or broken UTF-8\n"
      "  blit X Y W H SX SY OP       a W x H picture from (SX, SY) of a sprite sheet\n"
      "                              or buffer to (X, Y); OP: copy or or\n"
      "Arguments and file contents echoed in messages are escaped the same way and cut\n"
      "with \"...\" after 120 bytes.\n");
}

}  // namespace halvane
