// Gathering the element files into one list.
#include "catalog/minor_body_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalog/minor_body_reader.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;

void Append(const std::string& shown, MinorBodyReadResult read, MinorBodyList& bodies,
            std::vector<std::string>& messages) {
  for (const std::string& message : read.messages) messages.push_back(shown + " " + message);
  if (!read.error.empty()) messages.push_back(shown + ": " + read.error);
  for (MinorBodyElements& body : read.bodies) bodies.push_back(std::move(body));
}

}  // namespace

MinorBodyLoad LoadMinorBodyFolder(const std::string& folder) {
  MinorBodyList bodies;
  std::vector<std::string> messages;
  std::error_code error;
  for (const char* name : {"comets.txt", "minor-planets.txt"}) {
    const fs::path path = fs::path(folder) / name;
    if (fs::is_regular_file(path, error)) {
      Append(name, ReadMinorBodyFile(path.string()), bodies, messages);
    }
  }
  std::vector<fs::path> imported;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind("imported-", 0) == 0 && it->is_regular_file(error)) {
      imported.push_back(it->path());
    }
  }
  std::sort(imported.begin(), imported.end());
  for (const fs::path& path : imported) {
    MinorBodyReadResult read = ReadMinorBodyFile(path.string());
    if (read.bodies.empty()) continue;  // satellites' elements, or nothing of ours
    Append(path.filename().string(), std::move(read), bodies, messages);
  }
  return {std::make_shared<const MinorBodyList>(std::move(bodies)), std::move(messages)};
}

MinorBodyLoad LoadMinorBodyFiles(const std::vector<std::string>& paths) {
  MinorBodyList bodies;
  std::vector<std::string> messages;
  for (const std::string& path : paths) Append(path, ReadMinorBodyFile(path), bodies, messages);
  return {std::make_shared<const MinorBodyList>(std::move(bodies)), std::move(messages)};
}

}  // namespace halvane
