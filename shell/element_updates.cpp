// Fresh orbital elements: the updates of the two groups, imports, "Update weekly", and the
// element files read again afterwards.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalog/element_text_kind.h"
#include "platform/app_paths.h"
#include "platform/fetch_rules.h"
#include "platform/file_chooser.h"
#include "platform/translate.h"
#include "platform/utf8_text.h"
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
    //: %1 says what is wrong with the downloaded file
    if (found.kind == ElementKind::None)
      return FillArgs(Words::Tr("the answer holds %1"), {found.error});
    if (found.kind != wanted) return Words::Tr("the answer holds elements of the other kind");
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
  findPanel.FindPanelObjectAgain(GetSkyNames(), chart->GetSatellites().get());
}

void MainWindow::UpdateElements(ElementGroup group) {
  if (elementUpdate != nullptr) {
    groupsWaiting.push_back(group);
    return;
  }
  const bool satellites = group == ElementGroup::Satellites;
  elementMessage = satellites ? Words::Tr16("Updating satellites…")
                              : Words::Tr16("Updating comets and asteroids…");
  RequestRepaint();
  elementUpdate = std::make_unique<ElementUpdate>(
      satellites ? SatelliteSources() : MinorBodySources(CurrentYear()),
      satellites ? SATELLITE_BASE_URL : MINOR_BODY_BASE_URL, ElementCacheFolder(), elementStallMs,
      CheckFor(satellites ? ElementKind::Satellites : ElementKind::MinorBodies),
      [this](const std::string& line) {
        elementMessage = Utf8ToUtf16(line);
        RequestRepaint();
      },
      [this, satellites](const UpdateOutcome& outcome) {
        std::string text;
        if (outcome.filesWritten > 0) {
          text = satellites ? Words::Tr("Updated satellites")
                            : Words::Tr("Updated comets and asteroids");
        }
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
  if (!in) return Utf8ToUtf16(FillArgs(Words::Tr("Cannot read %1"), {path}));
  std::string text;
  text.resize(static_cast<size_t>(IMPORT_MAX_BYTES) + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (static_cast<int64_t>(text.size()) > IMPORT_MAX_BYTES)
    return Utf8ToUtf16(FillArgs(Words::Tr("%1 is larger than 64 MB; nothing imported"), {path}));
  const ElementTextKind found = ClassifyElementText(text);
  if (found.kind == ElementKind::None) {
    //: %1 is the file, %2 what is wrong with it
    return Utf8ToUtf16(FillArgs(Words::Tr("%1 holds %2; nothing imported"), {path, found.error}));
  }
  const std::string name = ImportedName(path);
  const std::string failure = WriteCacheFile(ElementCacheFolder(), name, text);
  if (!failure.empty()) return Utf8ToUtf16(failure);
  ReloadElementFiles();
  //: %n is how many were read from the file, %1 the name they are kept under
  const std::string imported =
      found.kind == ElementKind::Satellites
          ? Words::Tr("Imported %n satellites as %1", nullptr, static_cast<int>(found.records))
          : Words::Tr("Imported %n comets and asteroids as %1", nullptr,
                      static_cast<int>(found.records));
  return Utf8ToUtf16(FillArgs(imported, {name}));
}

void MainWindow::ImportElements() {
  const std::string path = ChooseFileToOpen(hwnd, Words::Tr("Import elements"));
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
