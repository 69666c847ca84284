// Fresh orbital elements: the updates of the two groups, imports, "Update weekly", and the
// element files read again afterwards.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalog/element_text_kind.h"
#include "catalog/utf8_text.h"
#include "platform/app_paths.h"
#include "platform/fetch_rules.h"
#include "platform/file_chooser.h"
#include "shell/main_window.h"

namespace halvane {

namespace {

constexpr int32_t WEEKLY_FIRST_LOOK_MS = 60 * 1000;
constexpr int32_t WEEKLY_LOOK_MS = 3600 * 1000;
// Imports may be whole catalogs, larger than a download.
constexpr int64_t IMPORT_MAX_BYTES = 8 * FETCH_MAX_BYTES;

// A file of the wrong group would replace good elements with nothing the loader shows.
ElementCheck CheckFor(ElementKind wanted) {
  return [wanted](std::string_view text) -> std::string {
    const ElementTextKind found = ClassifyElementText(text);
    if (found.kind == ElementKind::None) return "the answer holds " + found.error;
    if (found.kind != wanted) return "the answer holds elements of the other kind";
    return {};
  };
}

int32_t CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return utc.tm_year + 1900;
}

// Only the name's plain characters, so that it cannot leave the cache folder.
std::string ImportedName(const std::string& path) {
  std::string name = "imported-";
  for (const char c : std::filesystem::path(path).filename().string()) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    name += plain ? c : '_';
  }
  return name;
}

}  // namespace

void MainWindow::ReloadElementFiles() {
  LoadSatellites();
  for (const std::string& message : LoadMinorBodies())
    std::fprintf(stderr, "%s\n", message.c_str());
  FindInfoObjectAgain();
}

void MainWindow::UpdateElements(ElementGroup group) {
  if (elementUpdate != nullptr) {
    groupsWaiting.push_back(group);
    return;
  }
  const bool satellites = group == ElementGroup::Satellites;
  const std::string what = satellites ? "satellites" : "comets and asteroids";
  elementMessage = Utf8ToUtf16("Updating " + what + "\u2026");
  RequestRepaint();
  elementUpdate = std::make_unique<ElementUpdate>(
      satellites ? SatelliteSources() : MinorBodySources(CurrentYear()),
      satellites ? SATELLITE_BASE_URL : MINOR_BODY_BASE_URL, ElementCacheFolder(), elementStallMs,
      CheckFor(satellites ? ElementKind::Satellites : ElementKind::MinorBodies),
      [this](const std::string& line) {
        elementMessage = Utf8ToUtf16(line);
        RequestRepaint();
      },
      [this, what](const UpdateOutcome& outcome) {
        std::string text = outcome.filesWritten > 0 ? "Updated " + what : "";
        for (const std::string& message : outcome.messages)
          text += (text.empty() ? "" : ". ") + message;
        elementMessage = Utf8ToUtf16(text);
        elementUpdate.reset();
        if (outcome.filesWritten > 0) ReloadElementFiles();
        RequestRepaint();
        if (!groupsWaiting.empty()) {
          const ElementGroup nextGroup = groupsWaiting.front();
          groupsWaiting.erase(groupsWaiting.begin());
          UpdateElements(nextGroup);
        }
      });
}

std::u16string MainWindow::ImportElementFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Utf8ToUtf16("Cannot read " + path);
  std::string text;
  text.resize(static_cast<size_t>(IMPORT_MAX_BYTES) + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (static_cast<int64_t>(text.size()) > IMPORT_MAX_BYTES)
    return Utf8ToUtf16(path + " is larger than 64 MB; nothing imported");
  const ElementTextKind found = ClassifyElementText(text);
  if (found.kind == ElementKind::None)
    return Utf8ToUtf16(path + " holds " + found.error + "; nothing imported");
  const std::string name = ImportedName(path);
  const std::string failure = WriteCacheFile(ElementCacheFolder(), name, text);
  if (!failure.empty()) return Utf8ToUtf16(failure);
  ReloadElementFiles();
  return Utf8ToUtf16(
      "Imported " + std::to_string(found.records) +
      (found.kind == ElementKind::Satellites ? " satellites" : " comets and asteroids") + " as " +
      name);
}

void MainWindow::ImportElements() {
  const std::string path = ChooseFileToOpen(hwnd, "Import elements");
  if (path.empty()) return;
  elementMessage = ImportElementFile(path);
  RequestRepaint();
}

void MainWindow::ToggleWeeklyUpdates() {
  extension.updateWeekly = !extension.updateWeekly;
  SetCheckMarks();
  SetUpWeeklyUpdates();
}

void MainWindow::SetUpWeeklyUpdates() {
  if (!extension.updateWeekly) {
    weeklyTimer.reset();
    return;
  }
  if (weeklyTimer != nullptr) return;
  // Never at the start itself: the window comes first, the network a minute later.
  weeklyTimer = std::make_unique<RepeatingTimer>([this] {
    weeklyTimer->Start(WEEKLY_LOOK_MS);
    UpdateIfAWeekPassed();
  });
  weeklyTimer->Start(WEEKLY_FIRST_LOOK_MS);
}

void MainWindow::UpdateIfAWeekPassed() {
  if (!extension.updateWeekly) return;
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  if (now - LastElementUpdate(ElementCacheFolder()) < WEEKLY_UPDATE_S) return;
  UpdateElements(ElementGroup::Satellites);
  UpdateElements(ElementGroup::MinorBodies);
}

}  // namespace halvane
