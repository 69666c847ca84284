// Qt Positioning's sources, read until one answer: built into halvane-position.so.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QGeoPositionInfoSource>
#include <QTimer>
#include <QVariantMap>

#include "platform/position_reading.h"

namespace halvane {

namespace {

// The system's location service on the system bus, which Qt's default source on Linux asks.
constexpr char LOCATION_SERVICE[] = "org.freedesktop.GeoClue2";

// Whether the default source has a service to ask: without one it would only give up when
// the request times out.
bool HasLocationService() {
  if (!QGeoPositionInfoSource::availableSources().contains(QStringLiteral("geoclue2"))) {
    return true;  // another platform's source answers for itself
  }
  const QDBusConnection bus = QDBusConnection::systemBus();
  const QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
  if (names == nullptr) return false;
  const QString service = QString::fromLatin1(LOCATION_SERVICE);
  if (names->isServiceRegistered(service).value()) return true;
  const QDBusReply<QStringList> startable = names->activatableServiceNames();
  return startable.isValid() && startable.value().contains(service);
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

class PositionReader : public QObject {
 public:
  PositionReader(const QString& nmeaSource, int32_t timeoutMs, QObject* parent,
                 std::function<void(const PositionReading&)> finish)
      : QObject(parent), timeoutMs(timeoutMs), finish(std::move(finish)) {
    source = MakeSource(nmeaSource);
    if (source == nullptr) return;
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
  QGeoPositionInfoSource* MakeSource(const QString& nmeaSource) {
    QVariantMap parameters;
    if (nmeaSource.isEmpty()) {
      if (!HasLocationService()) {
        Finish(PositionReading{false, 0.0, 0.0, "no location service on this system"});
        return nullptr;
      }
      parameters.insert(QStringLiteral("desktopId"), QString::fromLatin1(POSITION_DESKTOP_ID));
      QGeoPositionInfoSource* made = QGeoPositionInfoSource::createDefaultSource(parameters, this);
      if (made == nullptr)
        Finish(PositionReading{false, 0.0, 0.0, "no location service on this system"});
      return made;
    }
    parameters.insert(QStringLiteral("nmea.source"), nmeaSource);
    QGeoPositionInfoSource* made =
        QGeoPositionInfoSource::createSource(QStringLiteral("nmea"), parameters, this);
    if (made == nullptr) {
      Finish(PositionReading{false, 0.0, 0.0, "the NMEA position plugin is not installed"});
    }
    return made;
  }

  void Finish(const PositionReading& reading) {
    if (finished) return;
    finished = true;
    timer.stop();
    if (source != nullptr) source->stopUpdates();
    finish(reading);
  }

  QGeoPositionInfoSource* source = nullptr;  // a child of this
  QTimer timer;
  const int32_t timeoutMs;
  const std::function<void(const PositionReading&)> finish;
  bool finished = false;
};

}  // namespace

}  // namespace halvane

extern "C" __attribute__((visibility("default"))) void HalvaneStartPositionReading(
    const QString& nmeaSource, int32_t timeoutMs, QObject* parent,
    std::function<void(const halvane::PositionReading&)> finish) {
  new halvane::PositionReader(nmeaSource, timeoutMs, parent, std::move(finish));
}
