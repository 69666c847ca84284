// Recognises an element file's format and hands it to the format's reader.
#include "catalog/orbital_elements_reader.h"

#include <fstream>
#include <sstream>

#include "catalog/element_fields.h"
#include "catalog/omm_reader.h"
#include "catalog/tle_reader.h"
#include "platform/translate.h"

namespace halvane {
namespace {

// Element files are a few megabytes at most; anything far larger is not one.
constexpr std::streamoff MAX_FILE_BYTES = 64 << 20;

}  // namespace

ElementsReadResult ReadOrbitalElements(std::string_view text) {
  ElementsReadResult result;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::string_view start = TrimField(text.substr(0, 256));
  const std::string_view firstLine = start.substr(0, start.find('\n'));
  if (start.empty()) {
    result.error = Words::Tr("the file is empty");
    return result;
  }
  if (start.front() == '<') {
    ReadOmmXml(text, result);
  } else if (start.front() == '[' || start.front() == '{') {
    ReadOmmJson(text, result);
  } else if (firstLine.find("MEAN_MOTION") != std::string_view::npos ||
             firstLine.substr(0, 11) == "OBJECT_NAME") {
    ReadOmmCsv(text, result);
  } else {
    ReadTwoLineElements(text, result);
  }
  if (result.elements.empty() && result.error.empty()) {
    result.error = result.messages.empty()
                       ? Words::Tr("no element sets found")
                       : Words::Tr("no usable element set (%n skipped)", nullptr,
                                   static_cast<int>(result.messages.size()));
  }
  return result;
}

ElementsReadResult ReadOrbitalElementsFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    ElementsReadResult result;
    result.error = FillArgs(Words::Tr("cannot read %1"), {path});
    return result;
  }
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0 || size > MAX_FILE_BYTES) {
    ElementsReadResult result;
    result.error = FillArgs(Words::Tr("%1 is not an element file (too large)"), {path});
    return result;
  }
  file.seekg(0);
  std::string text(static_cast<size_t>(size), '\0');
  file.read(text.data(), size);
  if (!file) {
    ElementsReadResult result;
    result.error = FillArgs(Words::Tr("cannot read %1"), {path});
    return result;
  }
  return ReadOrbitalElements(text);
}

}  // namespace halvane
