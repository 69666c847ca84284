// Loading the element files and finding a satellite by what users call it.
#include "catalog/satellite_set.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "catalog/name_search.h"
#include "catalog/orbital_elements_reader.h"
#include "platform/translate.h"

namespace halvane {
namespace {

constexpr std::string_view STATIONS_FILE = "satellites-stations.csv";
constexpr std::string_view VISUAL_FILE = "satellites-visual.csv";
constexpr std::string_view IMPORTED_PREFIX = "imported-";

// "ISS (ZARYA)", "CSS (TIANHE)", "TIANGONG 2": a word of the name is a station's.
bool NamesStation(std::string_view name) {
  std::string word;
  const auto isStation = [&word] {
    return word == "ISS" || word == "CSS" || word.rfind("TIANGONG", 0) == 0;
  };
  for (const char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      continue;
    }
    if (isStation()) return true;
    word.clear();
  }
  return isStation();
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

void SatelliteSet::Add(const std::vector<OrbitalElements>& elements, bool stations) {
  for (const OrbitalElements& e : elements) {
    Satellite satellite(e);
    if (satellite.model.InitError() != Sgp4Error::None) {
      //: %1 is a satellite's catalog number, %2 an error number of the orbit model
      messages.push_back(
          FillArgs(Words::Tr("satellite %1: its elements give no orbit (model error %2)"),
                   {std::to_string(e.catalogNumber),
                    std::to_string(static_cast<int>(satellite.model.InitError()))}));
      continue;
    }
    satellite.station = stations || NamesStation(e.name);
    const auto same = std::find_if(satellites.begin(), satellites.end(), [&](const Satellite& s) {
      return s.elements.catalogNumber == e.catalogNumber;
    });
    if (same == satellites.end()) {
      satellites.push_back(std::move(satellite));
    } else if (satellite.model.EpochJulianDay() > same->model.EpochJulianDay()) {
      satellite.station = satellite.station || same->station;
      *same = std::move(satellite);
    } else {
      same->station = same->station || satellite.station;
    }
  }
}

void SatelliteSet::Load(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    ElementsReadResult read = ReadOrbitalElementsFile(path);
    for (std::string& message : read.messages) messages.push_back(path + ": " + message);
    if (!read.error.empty()) messages.push_back(path + ": " + read.error);
    Add(read.elements, EndsWith(path, STATIONS_FILE));
  }
}

int32_t SatelliteSet::Find(std::string_view query) const {
  if (query.empty()) return -1;
  const bool digits = std::all_of(query.begin(), query.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
  if (digits && query.size() <= 9) {
    const int64_t number = std::stoll(std::string(query));
    for (size_t i = 0; i < satellites.size(); ++i) {
      if (satellites[i].elements.catalogNumber == number) return static_cast<int32_t>(i);
    }
  }
  for (size_t i = 0; i < satellites.size(); ++i) {
    const std::string& designator = satellites[i].elements.internationalDesignator;
    if (!designator.empty() && SameText(designator, query)) return static_cast<int32_t>(i);
  }
  const FoldedName folded = FoldName(query);
  if (folded.text.empty()) return -1;
  int32_t wordMatch = -1;
  for (size_t i = 0; i < satellites.size(); ++i) {
    const FoldedName name = FoldName(satellites[i].elements.name);
    if (name.text == folded.text) return static_cast<int32_t>(i);
    if (wordMatch >= 0) continue;
    for (const uint16_t start : name.wordStarts) {
      if (name.text.compare(start, folded.text.size(), folded.text) == 0) {
        wordMatch = static_cast<int32_t>(i);
        break;
      }
    }
  }
  return wordMatch;
}

std::vector<std::string> SatelliteElementFiles(const std::string& cacheFolder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const std::string_view name : {STATIONS_FILE, VISUAL_FILE}) {
    const std::string path = cacheFolder + std::string(name);
    if (std::filesystem::is_regular_file(path, error)) files.push_back(path);
  }
  std::vector<std::string> imported;
  for (std::filesystem::directory_iterator it(cacheFolder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(IMPORTED_PREFIX, 0) == 0 && it->is_regular_file(error)) {
      imported.push_back(it->path().string());
    }
  }
  std::sort(imported.begin(), imported.end());
  files.insert(files.end(), imported.begin(), imported.end());
  return files;
}

}  // namespace halvane
