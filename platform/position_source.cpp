// Positions through Qt Positioning, loaded with the position module at the first request: its
// default source, or its NMEA plugin on a named stream.
#include "platform/position_source.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include "platform/files.h"
#include "platform/position_reading.h"
#include "platform/printable_text.h"
#include "platform/translate.h"

namespace halvane {

namespace {

constexpr char NMEA_PREFIX[] = "nmea:";

bool IsHostAndPort(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9.\\-]+:[0-9]{1,5}$"));
  return pattern.match(text).hasMatch();
}

// The NMEA plugin's name for the stream; empty with a reason when there is no such stream.
QString NmeaPluginSource(const QString& stream, std::string& reason) {
  if (stream.isEmpty()) {
    reason = Words::Tr("nmea: needs a serial device, a file or host:port");
    return {};
  }
  if (stream.startsWith(QStringLiteral("/dev/"))) {
    if (QFileInfo::exists(stream)) return QStringLiteral("serial:") + stream;
    reason = FillArgs(Words::Tr("no such serial device: %1"),
                      {PrintableText(stream.toStdString(), ECHOED_VALUE_BYTES)});
    return {};
  }
  const QFileInfo file(stream);
  if (file.isFile()) return QUrl::fromLocalFile(file.absoluteFilePath()).toString();
  if (!file.exists() && IsHostAndPort(stream)) return QStringLiteral("socket://") + stream;
  reason = FillArgs(Words::Tr("no such NMEA file: %1"),
                    {PrintableText(stream.toStdString(), ECHOED_VALUE_BYTES)});
  return {};
}

}  // namespace

bool CheckPositionSource(const std::string& name, std::string& reason) {
  if (name.empty()) return true;
  if (name.rfind(NMEA_PREFIX, 0) != 0) {
    reason = FillArgs(Words::Tr("expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got '%1'"),
                      {PrintableText(name, ECHOED_VALUE_BYTES)});
    return false;
  }
  return !NmeaPluginSource(QString::fromStdString(name.substr(sizeof NMEA_PREFIX - 1)), reason)
              .isEmpty();
}

namespace {

// The module lies beside the program in a build folder, in ../lib/halvane/modules/ once
// installed.
StartPositionReadingFunction LoadPositionModule(std::string& reason) {
  const std::string folder = ExecutableDirectory();
  for (const std::string& path :
       {folder + POSITION_MODULE, folder + "../lib/halvane/modules/" + POSITION_MODULE}) {
    if (::access(path.c_str(), F_OK) != 0) continue;
    // Never closed: Qt keeps the types it registers from it.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? ::dlsym(module, START_POSITION_READING) : nullptr;
    if (entry != nullptr) return reinterpret_cast<StartPositionReadingFunction>(entry);
    const char* error = ::dlerror();
    //: %1 is a program module, %2 the system's reason
    reason = FillArgs(Words::Tr("cannot load %1: %2"),
                      {path, error != nullptr ? error : Words::Tr("no entry")});
    return nullptr;
  }
  //: %1 is a program module
  reason = FillArgs(Words::Tr("the position module %1 is not installed"), {POSITION_MODULE});
  return nullptr;
}

}  // namespace

class PositionSourceReader : public QObject {
 public:
  PositionSourceReader(const std::string& sourceName, int32_t timeoutMs,
                       PositionRequest::Callback done)
      : done(std::move(done)) {
    std::string reason;
    QString nmeaSource;
    if (!sourceName.empty() && CheckPositionSource(sourceName, reason)) {
      nmeaSource = NmeaPluginSource(
          QString::fromStdString(sourceName.substr(sizeof NMEA_PREFIX - 1)), reason);
    }
    const StartPositionReadingFunction start =
        reason.empty() ? LoadPositionModule(reason) : nullptr;
    if (start == nullptr) {
      Finish(PositionReading{false, 0.0, 0.0, reason});
      return;
    }
    start(nmeaSource, timeoutMs, this, [this](const PositionReading& reading) { Finish(reading); });
  }

 private:
  // The answer leaves through the event loop, so its receiver may end the request in it.
  void Finish(const PositionReading& reading) {
    if (finished) return;
    finished = true;
    QPointer<PositionSourceReader> self(this);
    QTimer::singleShot(0, QCoreApplication::instance(), [self, reading] {
      if (self == nullptr) return;
      const PositionRequest::Callback callback = self->done;
      callback(reading);
    });
  }

  const PositionRequest::Callback done;
  bool finished = false;
};

PositionRequest::PositionRequest(const std::string& sourceName, int32_t timeoutMs, Callback done)
    : reader(std::make_unique<PositionSourceReader>(sourceName, timeoutMs, std::move(done))) {}

PositionRequest::~PositionRequest() = default;

PositionReading ReadPosition(const std::string& sourceName, int32_t timeoutMs) {
  PositionReading result;
  QEventLoop loop;
  const PositionRequest request(sourceName, timeoutMs, [&](const PositionReading& reading) {
    result = reading;
    loop.quit();
  });
  loop.exec();
  return result;
}

}  // namespace halvane
