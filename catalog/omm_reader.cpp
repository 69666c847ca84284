// Reads OMM records: CSV by its header's column names, JSON with nlohmann-json and XML with
// pugixml, every value through one table of keys.
#include "catalog/omm_reader.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "catalog/element_fields.h"
#include "platform/translate.h"

namespace halvane {
namespace {

// The keys a record must have; the others take their defaults when absent.
constexpr std::string_view REQUIRED_KEYS[] = {"EPOCH",        "MEAN_MOTION",    "ECCENTRICITY",
                                              "INCLINATION",  "RA_OF_ASC_NODE", "ARG_OF_PERICENTER",
                                              "MEAN_ANOMALY", "NORAD_CAT_ID"};

struct Field {
  std::string_view key;
  std::string_view value;
};

// Sets one field from its key and text; false when the text is not a value of that key.
// Unknown keys are ignored.
bool SetField(std::string_view key, std::string_view text, OrbitalElements& e) {
  const std::string_view value = TrimField(text);
  struct Decimal {
    std::string_view key;
    double* target;
  };
  const Decimal decimals[] = {{"MEAN_MOTION", &e.meanMotion},
                              {"ECCENTRICITY", &e.eccentricity},
                              {"INCLINATION", &e.inclinationDeg},
                              {"RA_OF_ASC_NODE", &e.raanDeg},
                              {"ARG_OF_PERICENTER", &e.argumentOfPerigeeDeg},
                              {"MEAN_ANOMALY", &e.meanAnomalyDeg},
                              {"BSTAR", &e.bstar},
                              {"MEAN_MOTION_DOT", &e.meanMotionDot},
                              {"MEAN_MOTION_DDOT", &e.meanMotionDdot}};
  for (const Decimal& decimal : decimals) {
    if (key != decimal.key) continue;
    const auto number = ParseDecimal(value);
    if (!number) return false;
    *decimal.target = *number;
    return true;
  }
  if (key == "OBJECT_NAME") {
    e.name = std::string(value);
    return true;
  }
  if (key == "OBJECT_ID") {
    e.internationalDesignator = std::string(value);
    return true;
  }
  if (key == "EPOCH") return SetIsoEpoch(value, e);
  if (key == "CLASSIFICATION_TYPE") {
    if (value.size() > 1) return false;
    e.classification = value.empty() ? 'U' : value.front();
    return true;
  }
  if (key == "NORAD_CAT_ID") {
    const auto number = ParseInteger(value);
    if (!number || *number < 1 || *number > 999999999) return false;
    e.catalogNumber = *number;
    return true;
  }
  if (key == "ELEMENT_SET_NO" || key == "REV_AT_EPOCH") {
    const auto number = ParseInteger(value);
    if (!value.empty() && (!number || *number < 0 || *number > INT32_MAX)) return false;
    (key == "ELEMENT_SET_NO" ? e.elementSetNumber : e.revolutionNumber) =
        static_cast<int32_t>(number.value_or(0));
    return true;
  }
  return true;
}

// Decodes a record's fields; the name of the first bad or missing field, or empty.
std::string DecodeRecord(const std::vector<Field>& fields, OrbitalElements& e) {
  for (const std::string_view required : REQUIRED_KEYS) {
    bool found = false;
    for (const Field& field : fields) found = found || field.key == required;
    if (!found) return std::string(required) + " (missing)";
  }
  for (const Field& field : fields) {
    if (!SetField(field.key, field.value, e)) return std::string(field.key);
  }
  return std::string(UnusableField(e));
}

void AddRecord(const std::vector<Field>& fields, const std::string& where,
               ElementsReadResult& result) {
  OrbitalElements elements;
  const std::string bad = DecodeRecord(fields, elements);
  if (bad.empty()) {
    result.elements.push_back(std::move(elements));
    return;
  }
  result.messages.push_back(where + ": bad " + bad);
}

// The fields of one CSV line; a field in double quotes may hold commas and doubled quotes.
std::vector<std::string> SplitCsv(std::string_view line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      cells.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

std::string JsonText(const nlohmann::json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number_integer()) return std::to_string(value.get<long long>());
  if (value.is_number_unsigned()) return std::to_string(value.get<unsigned long long>());
  if (value.is_number_float()) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value.get<double>());
    return error == std::errc() ? std::string(text, end) : std::string();
  }
  if (value.is_null()) return {};
  return "?";
}

}  // namespace

void ReadOmmCsv(std::string_view text, ElementsReadResult& result) {
  std::vector<std::string> header;
  size_t number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = TrimField(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.empty()) continue;
    std::vector<std::string> cells = SplitCsv(line);
    if (header.empty()) {
      for (std::string& cell : cells) cell = std::string(TrimField(cell));
      header = std::move(cells);
      continue;
    }
    const std::string where = "line " + std::to_string(number);
    if (cells.size() != header.size()) {
      result.messages.push_back(where + ": bad number of fields (" + std::to_string(cells.size()) +
                                " for " + std::to_string(header.size()) + " columns)");
      continue;
    }
    std::vector<Field> fields;
    for (size_t i = 0; i < cells.size(); ++i) fields.push_back({header[i], cells[i]});
    AddRecord(fields, where, result);
  }
}

// OMM records are an array of objects of plain values. Anything nested deeper is dropped as it
// is read, so a hostile file's nesting is never held, copied or walked.
constexpr int OMM_JSON_DEPTH = 3;

void ReadJsonRecord(const nlohmann::json& record, size_t index, ElementsReadResult& result) {
  const std::string where = "record " + std::to_string(index);
  if (!record.is_object()) {
    result.messages.push_back(where + ": not an object");
    return;
  }
  // Fields view these strings.
  std::vector<std::string> keys;
  std::vector<std::string> values;
  for (const auto& [key, value] : record.items()) {
    keys.push_back(key);
    values.push_back(JsonText(value));
  }
  std::vector<Field> fields;
  fields.reserve(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) fields.push_back({keys[i], values[i]});
  AddRecord(fields, where, result);
}

void ReadOmmJson(std::string_view text, ElementsReadResult& result) {
  const auto shallow = [](int depth, nlohmann::json::parse_event_t, const nlohmann::json&) {
    return depth <= OMM_JSON_DEPTH;
  };
  const nlohmann::json document = nlohmann::json::parse(text, shallow, false);
  if (document.is_discarded()) {
    result.error = Words::Tr("not valid JSON");
    return;
  }
  if (!document.is_array()) return ReadJsonRecord(document, 0, result);
  for (size_t index = 0; index < document.size(); ++index) {
    ReadJsonRecord(document[index], index, result);
  }
}

void ReadOmmXml(std::string_view text, ElementsReadResult& result) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) {
    //: %1 is what the parser found, %2 a byte offset
    result.error = FillArgs(Words::Tr("not valid XML: %1 at byte %2"),
                            {parsed.description(), std::to_string(parsed.offset)});
    return;
  }
  // An <ndm> of messages, or a single <omm>.
  const pugi::xml_node ndm = document.child("ndm");
  const pugi::xml_node parent = ndm ? ndm : document;
  size_t index = 0;
  for (const pugi::xml_node omm : parent.children("omm")) {
    const std::string where = "record " + std::to_string(index++);
    const pugi::xml_node segment = omm.child("body").child("segment");
    std::vector<Field> fields;
    for (const char* block : {"metadata", "data"}) {
      for (const pugi::xml_node value : segment.child(block).children()) {
        fields.push_back({value.name(), value.child_value()});
      }
    }
    const pugi::xml_node data = segment.child("data");
    for (const char* block : {"meanElements", "tleParameters"}) {
      for (const pugi::xml_node value : data.child(block).children()) {
        fields.push_back({value.name(), value.child_value()});
      }
    }
    AddRecord(fields, where, result);
  }
}

}  // namespace halvane
