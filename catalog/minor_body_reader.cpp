// Reading the Minor Planet Center's fixed columns. Columns are counted from 0 here; the MPC's
// format pages count from 1.
#include "catalog/minor_body_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "astro/angles.h"
#include "astro/sidereal_time.h"
#include "platform/translate.h"

namespace halvane {
namespace {

constexpr size_t MPCORB_MIN_LENGTH = 103;  // through the semimajor axis
constexpr size_t COMET_MIN_LENGTH = 100;   // through k
// Every body costs its place each moment: a whole MPCORB.DAT (over a million) would stall every
// change of time, while the bright comets and asteroids number a few thousand.
constexpr size_t MAX_BODIES = 20000;
constexpr size_t MPCORB_HEADER_BYTES = 20000;  // MPCORB.DAT's page of text is shorter

// 0-9, A-Z, a-z as 0 to 61, the MPC's digits for packed fields; -1 for anything else.
int PackedDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  return -1;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::string_view Columns(std::string_view line, size_t from, size_t to) {
  if (from >= line.size()) return {};
  return line.substr(from, std::min(to, line.size()) - from);
}

std::optional<double> Number(std::string_view line, size_t from, size_t to) {
  const std::string_view field = Trim(Columns(line, from, to));
  double value = 0.0;
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (field.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return {};
  return value;
}

// A century letter and two digits: "K26" -> 2026.
std::optional<int> PackedYear(std::string_view s) {
  if (s.size() < 3) return {};
  const int century = PackedDigit(s[0]);
  const int tens = PackedDigit(s[1]), units = PackedDigit(s[2]);
  if (century < 10 || century > 35 || tens < 0 || tens > 9 || units < 0 || units > 9) return {};
  return century * 100 + tens * 10 + units;
}

// "K205V" -> the Julian day of 2020 May 31.0 TT.
std::optional<double> PackedEpoch(std::string_view s) {
  const std::optional<int> year = PackedYear(s);
  if (!year || s.size() != 5) return {};
  const int month = PackedDigit(s[3]), day = PackedDigit(s[4]);
  if (month < 1 || month > 12 || day < 1 || day > 31) return {};
  return JulianDay(*year, month, day, 0.0);
}

// Year, month and day with a fraction, each in its columns, as a Julian day (TT).
std::optional<double> CalendarDay(std::string_view line, size_t year, size_t month, size_t day,
                                  size_t dayEnd) {
  const std::optional<double> y = Number(line, year, year + 4);
  const std::optional<double> m = Number(line, month, month + 2);
  const std::optional<double> d = Number(line, day, dayEnd);
  if (!y || !m || !d || *y != std::floor(*y) || *m != std::floor(*m) || std::fabs(*y) > 1e5 ||
      *m < 1 || *m > 12 || *d < 0.0 || *d >= 32.0) {
    return {};
  }
  const double whole = std::floor(*d);
  return JulianDay(static_cast<int32_t>(*y), static_cast<int32_t>(*m), static_cast<int32_t>(whole),
                   (*d - whole) * 24.0);
}

bool InRange(const std::optional<double>& v, double lo, double hi) {
  return v && *v >= lo && *v <= hi;
}

struct LineResult {
  std::optional<MinorBodyElements> body;
  std::string field;  // the first field that failed
};

bool IsDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

bool LooksLikeComet(std::string_view line) {
  return line.size() >= COMET_MIN_LENGTH &&
         std::string_view("PCDXIA").find(line[4]) != std::string_view::npos &&
         IsDigits(Trim(Columns(line, 14, 18)));
}

bool LooksLikeMinorPlanet(std::string_view line) {
  return line.size() >= MPCORB_MIN_LENGTH && line[7] == ' ' && PackedYear(Columns(line, 20, 25));
}

constexpr std::string_view ANGLE_FIELDS[] = {"argument of perihelion", "ascending node",
                                             "inclination"};

// Reads the three angles from their columns into radians.
bool ReadAngles(std::string_view line, const size_t (&from)[3], MinorBodyElements& b,
                std::string& field) {
  double* out[3] = {&b.argumentOfPerihelion, &b.ascendingNode, &b.inclination};
  for (int k = 0; k < 3; ++k) {
    const std::optional<double> v = Number(line, from[k], from[k] + 9);
    if (!InRange(v, -360.0, 360.0) || (k == 2 && !InRange(v, 0.0, 180.0))) {
      field = std::string(ANGLE_FIELDS[k]);
      return false;
    }
    *out[k] = *v * DEG_TO_RAD;
  }
  return true;
}

// The short name: what the parentheses hold ("C/1995 O1 (Hale-Bopp)" -> "Hale-Bopp"), else what
// follows a periodic comet's slash ("12P/Pons-Brooks" -> "Pons-Brooks"), else the designation.
std::string CometLabel(const std::string& name, const std::string& designation) {
  const size_t open = name.find('(');
  const size_t close = name.rfind(')');
  if (open != std::string::npos && close != std::string::npos && close > open + 1) {
    return name.substr(open + 1, close - open - 1);
  }
  const size_t slash = name.find('/');
  if (slash != std::string::npos && slash + 1 < name.size() && slash > 0 &&
      std::isdigit(static_cast<unsigned char>(name[0])) != 0) {
    return name.substr(slash + 1);
  }
  return designation.empty() ? name : designation;
}

LineResult ReadComet(std::string_view line) {
  MinorBodyElements b;
  b.kind = MinorBodyKind::Comet;
  b.designation = UnpackCometDesignation(Columns(line, 0, 12));
  if (b.designation.empty()) return {{}, "designation"};
  const std::optional<double> t = CalendarDay(line, 14, 19, 22, 29);
  if (!t) return {{}, "perihelion time"};
  b.perihelionTime = *t;
  const std::optional<double> q = Number(line, 30, 39);
  if (!InRange(q, 1e-6, 1e6)) return {{}, "perihelion distance"};
  b.perihelionDistance = *q;
  const std::optional<double> e = Number(line, 41, 49);
  if (!InRange(e, 0.0, 100.0)) return {{}, "eccentricity"};
  b.eccentricity = *e;
  std::string field;
  if (!ReadAngles(line, {51, 61, 71}, b, field)) return {{}, field};
  const std::string_view epoch = Trim(Columns(line, 81, 89));
  if (!epoch.empty()) {
    const std::optional<double> day = CalendarDay(line, 81, 85, 87, 89);
    if (!day) return {{}, "epoch"};
    b.epoch = *day;
  }
  const std::optional<double> g = Number(line, 91, 95);
  const std::optional<double> k = Number(line, 96, 100);
  // No magnitude parameters: the body cannot be judged bright enough to draw.
  b.absoluteMagnitude = g && std::fabs(*g) < 100.0 ? *g : 99.0;
  b.slope = k && std::fabs(*k) < 100.0 ? *k : 4.0;
  b.name = std::string(Trim(Columns(line, 102, 158)));
  if (b.name.empty()) b.name = b.designation;
  b.label = CometLabel(b.name, b.designation);
  return {b, {}};
}

LineResult ReadMinorPlanet(std::string_view line) {
  MinorBodyElements b;
  const std::string_view packed = Trim(Columns(line, 0, 7));
  if (const std::optional<int64_t> number = UnpackNumber(packed)) {
    b.number = *number;
    b.designation = std::to_string(*number);
  } else {
    b.designation = UnpackProvisional(packed);
  }
  if (b.designation.empty()) return {{}, "designation"};
  const std::optional<double> h = Number(line, 8, 13);
  const std::optional<double> g = Number(line, 14, 19);
  b.absoluteMagnitude = h && std::fabs(*h) < 100.0 ? *h : 99.0;
  b.slope = InRange(g, -1.0, 2.0) ? *g : 0.15;
  const std::optional<double> epoch = PackedEpoch(Trim(Columns(line, 20, 25)));
  if (!epoch) return {{}, "epoch"};
  b.epoch = *epoch;
  const std::optional<double> meanAnomaly = Number(line, 26, 35);
  if (!InRange(meanAnomaly, -360.0, 360.0)) return {{}, "mean anomaly"};
  std::string field;
  if (!ReadAngles(line, {37, 48, 59}, b, field)) return {{}, field};
  const std::optional<double> e = Number(line, 70, 79);
  if (!InRange(e, 0.0, 0.999999)) return {{}, "eccentricity"};
  b.eccentricity = *e;
  const std::optional<double> a = Number(line, 92, 103);
  if (!InRange(a, 1e-3, 1e6)) return {{}, "semimajor axis"};
  b.perihelionDistance = *a * (1.0 - *e);
  // The time of perihelion from the mean motion of a, which the file's n rounds.
  const double n = 0.01720209895 / (*a * std::sqrt(*a)) * RAD_TO_DEG;
  b.perihelionTime = b.epoch - *meanAnomaly / n;
  b.name = std::string(Trim(Columns(line, 166, 194)));
  if (b.name.empty()) b.name = b.number > 0 ? "(" + b.designation + ")" : b.designation;
  const size_t close = b.name.find(") ");
  b.label = b.name[0] == '(' && close != std::string::npos ? b.name.substr(close + 2) : b.name;
  return {b, {}};
}

}  // namespace

std::optional<int64_t> UnpackNumber(std::string_view packed) {
  if (packed.size() != 5) return {};
  if (packed[0] == '~') {
    int64_t value = 0;
    for (size_t i = 1; i < 5; ++i) {
      const int d = PackedDigit(packed[i]);
      if (d < 0) return {};
      value = value * 62 + d;
    }
    return 620000 + value;
  }
  const int head = PackedDigit(packed[0]);
  if (head < 0 || !IsDigits(packed.substr(1))) return {};
  const int64_t value = head * 10000LL + std::stoi(std::string(packed.substr(1)));
  return value > 0 ? std::optional<int64_t>(value) : std::nullopt;
}

std::string UnpackProvisional(std::string_view packed) {
  if (packed.size() != 7) return {};
  const std::optional<int> year = PackedYear(packed);
  const char half = packed[3];
  const int tens = PackedDigit(packed[4]), units = PackedDigit(packed[5]);
  const char last = packed[6];
  if (!year || half < 'A' || half > 'Y' || half == 'I' || tens < 0 || units < 0 || units > 9) {
    return {};
  }
  const int cycle = tens * 10 + units;
  std::string out = std::to_string(*year) + " " + half;
  if (last >= 'A' && last <= 'Z' && last != 'I') {  // a minor planet's second letter
    out += last;
    if (cycle > 0) out += std::to_string(cycle);
    return out;
  }
  if (last != '0' && !(last >= 'a' && last <= 'z')) return {};
  out += std::to_string(cycle);  // a comet's: the order within the half-month
  if (last != '0') out += std::string("-") + static_cast<char>(last - 'a' + 'A');
  return out;
}

std::string UnpackCometDesignation(std::string_view packed) {
  const std::string_view number = Trim(Columns(packed, 0, 4));
  const char type = packed.size() > 4 ? packed[4] : ' ';
  const std::string_view provisional = Trim(Columns(packed, 5, 12));
  if (std::string_view("PCDXIA").find(type) == std::string_view::npos || type == '\0') return {};
  if (!number.empty()) {
    if (!IsDigits(number)) return {};
    return std::to_string(std::stoi(std::string(number))) + type;
  }
  const std::string unpacked = UnpackProvisional(provisional);
  return unpacked.empty() ? std::string() : std::string(1, type) + "/" + unpacked;
}

MinorBodyReadResult ReadMinorBodyElements(std::string_view text) {
  MinorBodyReadResult result;
  // MPCORB.DAT opens with a page of text that ends in a line of dashes.
  const size_t dashes = text.find("\n-----");
  size_t lineNumber = 0;
  size_t skipUntil = 0;
  if (dashes < MPCORB_HEADER_BYTES) {  // npos: no header
    for (size_t i = 0; i <= dashes; ++i) skipUntil += text[i] == '\n' ? 1 : 0;
    ++skipUntil;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (++lineNumber <= skipUntil || Trim(line).empty()) continue;
    if (result.bodies.size() == MAX_BODIES) {
      //: %1 is a line of the file, %2 the most bodies read
      result.messages.push_back(
          FillArgs(Words::Tr("line %1: more than %2 bodies, the rest left out"),
                   {std::to_string(lineNumber), std::to_string(MAX_BODIES)}));
      break;
    }
    LineResult read;
    if (LooksLikeComet(line)) {
      read = ReadComet(line);
    } else if (LooksLikeMinorPlanet(line)) {
      read = ReadMinorPlanet(line);
    } else {
      read.field = Words::Tr("not a comet or minor-planet line");
    }
    if (read.body) {
      result.bodies.push_back(std::move(*read.body));
    } else {
      //: %1 is a line of the file, %2 what is wrong in it
      result.messages.push_back(
          FillArgs(Words::Tr("line %1: %2"), {std::to_string(lineNumber), read.field}));
    }
  }
  if (result.bodies.empty()) result.error = Words::Tr("no comet or minor-planet elements");
  return result;
}

MinorBodyReadResult ReadMinorBodyFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    MinorBodyReadResult result;
    result.error = FillArgs(Words::Tr("cannot read %1"), {path});
    return result;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ReadMinorBodyElements(text.str());
}

}  // namespace halvane
