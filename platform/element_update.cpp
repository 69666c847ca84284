// Element files fetched one after the other through the download module, which is loaded at
// the first update so that a start of the program does not load Qt Network.
#include "platform/element_update.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <cstdlib>
#include <ctime>

#include "platform/element_fetching.h"
#include "platform/fetch_rules.h"
#include "platform/files.h"
#include "platform/translate.h"

namespace halvane {

std::vector<ElementSource> SatelliteSources() {
  return {
      {"stations", "/NORAD/elements/gp.php?GROUP=stations&FORMAT=csv", "satellites-stations.csv"},
      {"visual", "/NORAD/elements/gp.php?GROUP=visual&FORMAT=csv", "satellites-visual.csv"}};
}

std::vector<ElementSource> MinorBodySources(int32_t year) {
  return {{"comets", "/iau/MPCORB/CometEls.txt", "comets.txt"},
          {"minor-planets", "/iau/Ephemerides/Bright/" + std::to_string(year) + "/Soft00Bright.txt",
           "minor-planets.txt"}};
}

std::string WriteCacheFile(const std::string& folder, const std::string& fileName,
                           std::string_view bytes) {
  //: %1 is a folder
  if (!QDir().mkpath(QString::fromStdString(folder))) {
    return FillArgs(Words::Tr("cannot make %1"), {folder});
  }
  const QString path =
      QDir(QString::fromStdString(folder)).filePath(QString::fromStdString(fileName));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    //: %1 is a file, %2 the system's reason
    return FillArgs(Words::Tr("cannot write %1: %2"),
                    {path.toStdString(), file.errorString().toStdString()});
  }
  return {};
}

int64_t LastElementUpdate(const std::string& cacheFolder) {
  int64_t last = 0;
  for (const auto& [key, times] : ReadFetchState(cacheFolder + "/" + FETCH_STATE_FILE))
    if (times.backOffUntil == 0 && times.lastAnswer > last) last = times.lastAnswer;
  return last;
}

namespace {

StartElementFetchFunction LoadDownloadModule(std::string& reason) {
  const std::string folder = ExecutableDirectory();
  for (const std::string& path :
       {folder + DOWNLOAD_MODULE, folder + "../lib/halvane/modules/" + DOWNLOAD_MODULE}) {
    if (::access(path.c_str(), F_OK) != 0) continue;
    // Never closed: Qt keeps the types it registers from it.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? ::dlsym(module, START_ELEMENT_FETCH) : nullptr;
    if (entry != nullptr) return reinterpret_cast<StartElementFetchFunction>(entry);
    const char* error = ::dlerror();
    //: %1 is a program module, %2 the system's reason
    reason = FillArgs(Words::Tr("cannot load %1: %2"),
                      {path, error != nullptr ? error : Words::Tr("no entry")});
    return nullptr;
  }
  //: %1 is a program module
  reason = FillArgs(Words::Tr("the download module %1 is not installed"), {DOWNLOAD_MODULE});
  return nullptr;
}

int64_t Now() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace

class ElementDownloader : public QObject {
 public:
  ElementDownloader(std::vector<ElementSource> sources, const std::string& defaultBase,
                    const std::string& cacheFolder, int32_t stallMs, ElementCheck check,
                    std::function<void(const std::string&)> progress,
                    std::function<void(const UpdateOutcome&)> done)
      : sources(std::move(sources)),
        cacheFolder(cacheFolder),
        stallMs(stallMs),
        statePath(cacheFolder + "/" + FETCH_STATE_FILE),
        check(std::move(check)),
        progress(std::move(progress)),
        done(std::move(done)) {
    std::string reason;
    base = CheckedBaseUrl(std::getenv("HALVANE_ELEMENTS_URL"), defaultBase, reason);
    if (base.empty()) {
      outcome.messages.push_back(reason);
      Finish();
      return;
    }
    // The first fetch leaves through the event loop, as every later step does.
    QTimer::singleShot(0, this, [this] { Next(); });
  }

 private:
  void Next() {
    while (next < sources.size()) {
      const ElementSource& source = sources[next++];
      const std::string refusal = FetchRefusal(ReadFetchState(statePath), source.key, Now());
      if (!refusal.empty()) {
        outcome.messages.push_back(refusal);
        continue;
      }
      std::string reason;
      if (start == nullptr) start = LoadDownloadModule(reason);
      if (start == nullptr) {
        outcome.messages.push_back(reason);
        break;
      }
      const std::string key = source.key;
      //: %1 names the file being downloaded
      progress(FillArgs(Words::Tr("Fetching %1…"), {key}));
      const FetchRequest request{base + source.path,
                                 std::string("Halvane/") + HALVANE_VERSION +
                                     " (sky chart; element updates on the user's request)",
                                 FETCH_MAX_BYTES, stallMs};
      start(
          request, this,
          [this, key](int64_t received, int64_t) {
            //: %1 names the file being downloaded, %2 the kilobytes so far
            progress(
                FillArgs(Words::Tr("Fetching %1: %2 kB"), {key, std::to_string(received / 1024)}));
          },
          [this, source](const FetchResult& result) { Fetched(source, result); });
      return;
    }
    Finish();
  }

  void Fetched(const ElementSource& source, const FetchResult& result) {
    if (result.status != 0) Remember(source.key, result.status);
    std::string why = result.error;
    if (why.empty()) why = check(result.body);
    if (why.empty()) why = WriteCacheFile(cacheFolder, source.fileName, result.body);
    if (why.empty()) {
      ++outcome.filesWritten;
    } else {
      if (result.status != 0 && result.status != 200) {
        why += Words::Tr("; not asked again for 24 hours");
      }
      //: %1 names the file, %2 why its download failed
      outcome.messages.push_back(
          FillArgs(Words::Tr("%1: %2; the old elements are kept"), {source.key, why}));
    }
    // The module's reply is still on the stack: go on from the event loop.
    QTimer::singleShot(0, this, [this] { Next(); });
  }

  void Remember(const std::string& key, int32_t status) {
    FetchState state = ReadFetchState(statePath);
    FetchTimes& times = state[key];
    times.lastAnswer = Now();
    times.backOffUntil = status == 200 ? 0 : times.lastAnswer + FETCH_BACK_OFF_S;
    QDir().mkpath(QString::fromStdString(cacheFolder));
    WriteFetchState(statePath, state);
  }

  void Finish() {
    QPointer<ElementDownloader> self(this);
    QTimer::singleShot(0, QCoreApplication::instance(), [self] {
      if (self == nullptr) return;
      // Copies: the callback may end the update, and this object with it.
      const std::function<void(const UpdateOutcome&)> callback = self->done;
      const UpdateOutcome outcome = self->outcome;
      callback(outcome);
    });
  }

  const std::vector<ElementSource> sources;
  const std::string cacheFolder;
  const int32_t stallMs;
  const std::string statePath;
  const ElementCheck check;
  const std::function<void(const std::string&)> progress;
  const std::function<void(const UpdateOutcome&)> done;
  std::string base;
  size_t next = 0;
  StartElementFetchFunction start = nullptr;
  UpdateOutcome outcome;
};

ElementUpdate::ElementUpdate(std::vector<ElementSource> sources, const std::string& defaultBase,
                             const std::string& cacheFolder, int32_t stallMs, ElementCheck check,
                             std::function<void(const std::string&)> progress,
                             std::function<void(const UpdateOutcome&)> done)
    : downloader(std::make_unique<ElementDownloader>(std::move(sources), defaultBase, cacheFolder,
                                                     stallMs, std::move(check), std::move(progress),
                                                     std::move(done))) {}

ElementUpdate::~ElementUpdate() = default;

}  // namespace halvane
