// Reads two-line and three-line element sets, field by field at fixed columns.
#include "catalog/tle_reader.h"

#include <cmath>
#include <string>
#include <vector>

#include "catalog/element_fields.h"
#include "platform/translate.h"

namespace halvane {
namespace {

constexpr size_t LINE_LENGTH = 69;
constexpr size_t MIN_SET_LINE = 64;  // shorter lines are names, longer ones sets
constexpr std::string_view ALPHA5_LETTERS = "ABCDEFGHJKLMNPQRSTUVWXYZ";

struct NumberedLine {
  std::string_view text;
  size_t number;  // from 1
};

std::vector<NumberedLine> SplitLines(std::string_view text) {
  std::vector<NumberedLine> lines;
  size_t number = 1;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    lines.push_back({line, number++});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

int Checksum(std::string_view line) {
  int sum = 0;
  for (size_t i = 0; i + 1 < LINE_LENGTH; ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c == '-') sum += 1;
  }
  return sum % 10;
}

// "25544", "A0001" (Alpha-5) or " 4632".
std::optional<long long> CatalogNumber(std::string_view field) {
  const size_t letter = ALPHA5_LETTERS.find(field.empty() ? ' ' : field.front());
  if (field.size() == 5 && letter != std::string_view::npos) {
    const auto rest = ParseInteger(field.substr(1));
    if (!rest || *rest < 0 || field.substr(1).find_first_of("+- ") != std::string_view::npos) {
      return std::nullopt;
    }
    return static_cast<long long>(letter + 10) * 10000 + *rest;
  }
  const auto number = ParseInteger(field);
  if (!number || *number < 0 || TrimField(field).find_first_of("+-") != std::string_view::npos) {
    return std::nullopt;
  }
  return number;
}

// " 12345-3" = 0.12345e-3, "-11606-4", "00000+0"; blank is 0.
std::optional<double> ImpliedExponent(std::string_view field) {
  std::string_view text = TrimField(field);
  if (text.empty()) return 0.0;
  double sign = 1.0;
  if (text.front() == '-' || text.front() == '+') {
    if (text.front() == '-') sign = -1.0;
    text.remove_prefix(1);
  }
  const size_t exponentAt = text.find_last_of("+-");
  const std::string_view mantissa = text.substr(0, exponentAt);
  if (mantissa.empty() || mantissa.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  long long exponent = 0;
  if (exponentAt != std::string_view::npos) {
    const std::string_view digits = text.substr(exponentAt + 1);
    const auto value = ParseInteger(digits);
    if (!value || digits.empty() ||
        digits.find_first_not_of("0123456789") != std::string_view::npos || *value > 99) {
      return std::nullopt;
    }
    exponent = text[exponentAt] == '-' ? -*value : *value;
  }
  const auto digits = ParseDecimal("0." + std::string(mantissa));
  if (!digits) return std::nullopt;
  return sign * *digits * std::pow(10.0, static_cast<double>(exponent));
}

// "98067A" as "1998-067A"; blank as empty.
std::string Designator(std::string_view field) {
  const std::string_view text = TrimField(field);
  if (text.size() < 5) return std::string(text);
  const auto year = ParseInteger(text.substr(0, 2));
  if (!year) return std::string(text);
  const long long century = *year >= 57 ? 1900 : 2000;
  return std::to_string(century + *year) + "-" + std::string(text.substr(2));
}

// Decodes one set; the name of the first bad field, or empty.
std::string DecodeSet(std::string_view line1, std::string_view line2, OrbitalElements& e,
                      size_t& badLine) {
  badLine = 0;
  if (line1.size() != LINE_LENGTH) return "length of line 1";
  if (Checksum(line1) != line1[68] - '0') return "checksum of line 1";
  badLine = 1;
  if (line2.size() != LINE_LENGTH) return "length of line 2";
  if (Checksum(line2) != line2[68] - '0') return "checksum of line 2";
  badLine = 0;
  const auto number = CatalogNumber(line1.substr(2, 5));
  if (!number) return "catalogue number";
  const auto number2 = CatalogNumber(line2.substr(2, 5));
  if (!number2 || *number2 != *number) {
    badLine = 1;
    return "catalogue number of line 2";
  }
  e.catalogNumber = *number;
  e.classification = line1[7] == ' ' ? 'U' : line1[7];
  e.internationalDesignator = Designator(line1.substr(9, 8));
  const auto year = ParseInteger(line1.substr(18, 2));
  const auto day = ParseDecimal(line1.substr(20, 12));
  if (!year || *year < 0 || !day || *day < 1.0 || *day >= 367.0) return "epoch";
  SetYearDayEpoch(static_cast<int>(*year >= 57 ? 1900 + *year : 2000 + *year), *day, e);
  const auto ndot = ParseDecimal(line1.substr(33, 10));
  if (!ndot) return "mean motion derivative";
  e.meanMotionDot = *ndot;
  const auto nddot = ImpliedExponent(line1.substr(44, 8));
  if (!nddot) return "mean motion second derivative";
  e.meanMotionDdot = *nddot;
  const auto bstar = ImpliedExponent(line1.substr(53, 8));
  if (!bstar) return "drag term";
  e.bstar = *bstar;
  const std::string_view setNumber = TrimField(line1.substr(64, 4));
  const auto set = ParseInteger(setNumber);
  if (!setNumber.empty() && (!set || *set < 0)) return "element set number";
  e.elementSetNumber = static_cast<int32_t>(set.value_or(0));

  badLine = 1;
  struct Angle {
    size_t column;
    double* value;
    std::string_view name;
  };
  const Angle angles[] = {{8, &e.inclinationDeg, "inclination"},
                          {17, &e.raanDeg, "right ascension of the ascending node"},
                          {34, &e.argumentOfPerigeeDeg, "argument of perigee"},
                          {43, &e.meanAnomalyDeg, "mean anomaly"}};
  for (const Angle& angle : angles) {
    const auto value = ParseDecimal(line2.substr(angle.column, 8));
    if (!value) return std::string(angle.name);
    *angle.value = *value;
  }
  const std::string_view eccentricity = line2.substr(26, 7);
  const auto ecc = ParseDecimal("0." + std::string(eccentricity));
  if (!ecc || eccentricity.find_first_not_of("0123456789") != std::string_view::npos) {
    return "eccentricity";
  }
  e.eccentricity = *ecc;
  const auto meanMotion = ParseDecimal(line2.substr(52, 11));
  if (!meanMotion) return "mean motion";
  e.meanMotion = *meanMotion;
  const std::string_view revolution = TrimField(line2.substr(63, 5));
  const auto revolutions = ParseInteger(revolution);
  if (!revolution.empty() && (!revolutions || *revolutions < 0)) return "revolution number";
  e.revolutionNumber = static_cast<int32_t>(revolutions.value_or(0));
  const std::string_view unusable = UnusableField(e);
  return std::string(unusable);
}

std::string_view NameOf(std::string_view line) {
  if (line.size() >= 2 && line[0] == '0' && line[1] == ' ') line.remove_prefix(2);
  return TrimField(line);
}

}  // namespace

bool IsTwoLineLine(std::string_view line, char number) {
  return line.size() >= MIN_SET_LINE && line[0] == number && line[1] == ' ';
}

void ReadTwoLineElements(std::string_view text, ElementsReadResult& result) {
  const std::vector<NumberedLine> lines = SplitLines(text);
  std::string_view name;
  for (size_t i = 0; i < lines.size(); ++i) {
    const NumberedLine& line = lines[i];
    if (IsTwoLineLine(line.text, '1')) {
      if (i + 1 >= lines.size() || !IsTwoLineLine(lines[i + 1].text, '2')) {
        result.messages.push_back(FillArgs(Words::Tr("line %1: line 2 of the set is missing"),
                                           {std::to_string(line.number)}));
        name = {};
        continue;
      }
      OrbitalElements elements;
      elements.name = std::string(name);
      size_t badLine = 0;
      const std::string field = DecodeSet(line.text, lines[i + 1].text, elements, badLine);
      if (field.empty()) {
        result.elements.push_back(std::move(elements));
      } else {
        result.messages.push_back("line " + std::to_string(lines[i + badLine].number) + ": bad " +
                                  field);
      }
      name = {};
      ++i;
      continue;
    }
    if (IsTwoLineLine(line.text, '2')) {
      result.messages.push_back(FillArgs(Words::Tr("line %1: line 1 of the set is missing"),
                                         {std::to_string(line.number)}));
      name = {};
      continue;
    }
    name = NameOf(line.text);
  }
}

}  // namespace halvane
