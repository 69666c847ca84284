// Positions through Qt Positioning: its default source, or its NMEA plugin on a named stream.
#include "platform/position_source.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGeoPositionInfoSource>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

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
    reason = "nmea: needs a serial device, a file or host:port";
    return {};
  }
  if (stream.startsWith(QStringLiteral("/dev/"))) {
    if (QFileInfo::exists(stream)) return QStringLiteral("serial:") + stream;
    reason = "no such serial device: " + stream.toStdString();
    return {};
  }
  const QFileInfo file(stream);
  if (file.isFile()) return QUrl::fromLocalFile(file.absoluteFilePath()).toString();
  if (!file.exists() && IsHostAndPort(stream)) return QStringLiteral("socket://") + stream;
  reason = "no such NMEA file: " + stream.toStdString();
  return {};
}

std::string SecondsText(int32_t milliseconds) {
  return std::to_string((milliseconds + 999) / 1000) + " s";
}

std::string ErrorReason(QGeoPositionInfoSource::Error error, int32_t timeoutMs) {
  switch (error) {
    case QGeoPositionInfoSource::AccessError: return "not allowed to read the position";
    case QGeoPositionInfoSource::ClosedError: return "the location service is off or closed";
    case QGeoPositionInfoSource::UpdateTimeoutError:
      return "no position fix within " + SecondsText(timeoutMs);
    case QGeoPositionInfoSource::UnknownSourceError: return "the position source failed";
    case QGeoPositionInfoSource::NoError: break;
  }
  return "the position source failed";
}

}  // namespace

bool CheckPositionSource(const std::string& name, std::string& reason) {
  if (name.empty()) return true;
  if (name.rfind(NMEA_PREFIX, 0) != 0) {
    reason = "expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got '" + name + "'";
    return false;
  }
  return !NmeaPluginSource(QString::fromStdString(name.substr(sizeof NMEA_PREFIX - 1)), reason)
              .isEmpty();
}

class PositionSourceReader : public QObject {
 public:
  PositionSourceReader(const std::string& sourceName, int32_t timeoutMs,
                       PositionRequest::Callback done)
      : timeoutMs(timeoutMs), done(std::move(done)) {
    std::string reason;
    source = MakeSource(sourceName, reason);
    if (source == nullptr) {
      Finish(PositionReading{false, 0.0, 0.0, reason});
      return;
    }
    connect(source, &QGeoPositionInfoSource::positionUpdated, this,
            [this](const QGeoPositionInfo& info) {
              const QGeoCoordinate where = info.coordinate();
              if (!where.isValid()) return;
              Finish(PositionReading{true, where.latitude(), where.longitude(), {}});
            });
    connect(source, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
              Finish(PositionReading{false, 0.0, 0.0, ErrorReason(error, this->timeoutMs)});
            });
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [this] {
      Finish(PositionReading{
          false, 0.0, 0.0,
          ErrorReason(QGeoPositionInfoSource::UpdateTimeoutError, this->timeoutMs)});
    });
    timer.start(timeoutMs);
    source->startUpdates();
  }

 private:
  QGeoPositionInfoSource* MakeSource(const std::string& sourceName, std::string& reason) {
    QVariantMap parameters;
    if (sourceName.empty()) {
      parameters.insert(QStringLiteral("desktopId"), QString::fromLatin1(POSITION_DESKTOP_ID));
      QGeoPositionInfoSource* made = QGeoPositionInfoSource::createDefaultSource(parameters, this);
      if (made == nullptr) reason = "no location service on this system";
      return made;
    }
    if (!CheckPositionSource(sourceName, reason)) return nullptr;
    const QString stream = QString::fromStdString(sourceName.substr(sizeof NMEA_PREFIX - 1));
    parameters.insert(QStringLiteral("nmea.source"), NmeaPluginSource(stream, reason));
    QGeoPositionInfoSource* made =
        QGeoPositionInfoSource::createSource(QStringLiteral("nmea"), parameters, this);
    if (made == nullptr) reason = "the NMEA position plugin is not installed";
    return made;
  }

  // The answer leaves through the event loop, so its receiver may end the request in it.
  void Finish(const PositionReading& reading) {
    if (finished) return;
    finished = true;
    timer.stop();
    if (source != nullptr) source->stopUpdates();
    QPointer<PositionSourceReader> self(this);
    QTimer::singleShot(0, QCoreApplication::instance(), [self, reading] {
      if (self == nullptr) return;
      const PositionRequest::Callback callback = self->done;
      callback(reading);
    });
  }

  QGeoPositionInfoSource* source = nullptr;  // a child of this
  QTimer timer;
  const int32_t timeoutMs;
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
