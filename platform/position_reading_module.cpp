// Qt Positioning's sources, read until one answer: built into halvane-position.so. An NMEA
// stream is read here, not by Qt's plugin, so that what it holds stays bounded: sentences
// are at most 82 bytes, and a longer line, or bytes that never end a line, are dropped.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QNmeaPositionInfoSource>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <algorithm>

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

// The module links no part of Halvane: it asks Qt for the program's words itself.
std::string Tr(const char* source) {
  return QCoreApplication::translate("Words", source).toStdString();
}

std::string Filled(const char* source, const QString& argument) {
  return QCoreApplication::translate("Words", source).arg(argument).toStdString();
}

std::string ErrorReason(QGeoPositionInfoSource::Error error, int32_t timeoutMs) {
  switch (error) {
    case QGeoPositionInfoSource::AccessError:
      return Tr(QT_TRANSLATE_NOOP("Words", "not allowed to read the position"));
    case QGeoPositionInfoSource::ClosedError:
      return Tr(QT_TRANSLATE_NOOP("Words", "the location service is off or closed"));
    case QGeoPositionInfoSource::UpdateTimeoutError:
      //: %1 is a number of seconds
      return Filled(QT_TRANSLATE_NOOP("Words", "no position fix within %1 s"),
                    QString::number((timeoutMs + 999) / 1000));
    case QGeoPositionInfoSource::UnknownSourceError:
    case QGeoPositionInfoSource::NoError: break;
  }
  return Tr(QT_TRANSLATE_NOOP("Words", "the position source failed"));
}

// The longest NMEA 0183 sentence, "$" to the checksum, and its line end.
constexpr qsizetype NMEA_SENTENCE_BYTES = 82;
// Complete sentences waiting for the NMEA reader, which takes them at each readyRead.
constexpr qsizetype WAITING_BYTES = 64 * 1024;
constexpr qint64 CHUNK_BYTES = 4096;

// The lines of a stream that may be NMEA sentences, each ended by CR LF; everything else is
// dropped as it arrives, so the memory held never grows with the input.
class NmeaLines : public QIODevice {
 public:
  NmeaLines(QIODevice* source, bool pulled, QObject* parent)
      : QIODevice(parent), source(source), pulled(pulled) {
    source->setParent(this);
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    connect(source, &QIODevice::readyRead, this, [this] { Pull(); });
    // A file never says it is ready: it is read a chunk at a time from the event loop.
    if (pulled) QTimer::singleShot(0, this, [this] { Pull(); });
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return waiting.size() + QIODevice::bytesAvailable(); }
  bool canReadLine() const override { return waiting.contains('\n') || QIODevice::canReadLine(); }
  bool SawBytes() const { return sawBytes; }
  bool SawSentence() const { return sawSentence; }

  // Reads what the source has, keeping the sentences.
  void Pull() {
    char chunk[CHUNK_BYTES];
    qint64 got = 0;
    int chunks = 0;
    while ((got = source->read(chunk, CHUNK_BYTES)) > 0) {
      sawBytes = true;
      for (qint64 i = 0; i < got; ++i) Take(chunk[i]);
      // A file is read on in the next turn of the loop, so that the timer and the window run.
      if (pulled && ++chunks == 16) break;
    }
    if (!waiting.isEmpty()) emit readyRead();
    if (pulled && got > 0) QTimer::singleShot(0, this, [this] { Pull(); });
  }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 size = std::min<qint64>(maxSize, waiting.size());
    std::copy_n(waiting.constData(), size, data);
    waiting.remove(0, size);
    return size;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  void Take(char c) {
    if (c == '\r' || c == '\n') {
      if (!tooLong && line.startsWith('$') && waiting.size() < WAITING_BYTES) {
        waiting += line;
        waiting += "\r\n";
        sawSentence = true;
      }
      line.clear();
      tooLong = false;
      return;
    }
    if (tooLong) return;
    if (line.size() == NMEA_SENTENCE_BYTES) {
      tooLong = true;
      line.clear();
      return;
    }
    line += c;
  }

  QIODevice* source;
  const bool pulled;
  QByteArray line;
  bool tooLong = false;
  QByteArray waiting;
  bool sawBytes = false;
  bool sawSentence = false;
};

// A serial device, raw, at the speed NMEA 0183 sets (4800 baud); null with the reason when it
// is not a terminal device.
QIODevice* OpenSerial(const QString& path, QObject* parent, std::string& reason) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  termios settings{};
  if (fd < 0 || ::tcgetattr(fd, &settings) != 0) {
    reason = Filled(QT_TRANSLATE_NOOP("Words", "%1 is not a serial device that can be read"), path);
    if (fd >= 0) ::close(fd);
    return nullptr;
  }
  ::cfmakeraw(&settings);
  ::cfsetispeed(&settings, B4800);
  ::cfsetospeed(&settings, B4800);
  ::tcsetattr(fd, TCSANOW, &settings);
  auto* file = new QFile(parent);
  if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    delete file;
    reason = Filled(QT_TRANSLATE_NOOP("Words", "%1 cannot be read"), path);
    return nullptr;
  }
  // A terminal's QFile says nothing when bytes arrive; its descriptor does.
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, file);
  QObject::connect(notifier, &QSocketNotifier::activated, file, [file] { emit file->readyRead(); });
  return file;
}

// The stream the name gives ("serial:/dev/...", a file URL, "socket://host:port"), as
// NmeaLines; null with the reason when it cannot be opened.
NmeaLines* OpenNmeaStream(const QString& source, QObject* parent, std::string& reason) {
  if (source.startsWith(QStringLiteral("serial:"))) {
    QIODevice* serial = OpenSerial(source.mid(7), parent, reason);
    return serial != nullptr ? new NmeaLines(serial, false, parent) : nullptr;
  }
  if (source.startsWith(QStringLiteral("socket://"))) {
    const QUrl url(source);
    auto* socket = new QTcpSocket(parent);
    socket->setReadBufferSize(CHUNK_BYTES * 4);
    socket->connectToHost(url.host(), static_cast<quint16>(url.port()), QIODevice::ReadOnly);
    return new NmeaLines(socket, false, parent);
  }
  auto* file = new QFile(QUrl(source).toLocalFile(), parent);
  if (!file->open(QIODevice::ReadOnly)) {
    reason = Filled(QT_TRANSLATE_NOOP("Words", "cannot read %1"), file->fileName());
    delete file;
    return nullptr;
  }
  return new NmeaLines(file, true, parent);
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
      if (stream != nullptr && stream->SawBytes() && !stream->SawSentence()) {
        Finish(PositionReading{
            false, 0.0, 0.0,
            Filled(QT_TRANSLATE_NOOP("Words", "the stream sent no NMEA sentence within %1 s"),
                   QString::number((this->timeoutMs + 999) / 1000))});
        return;
      }
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
        Finish(PositionReading{
            false, 0.0, 0.0, Tr(QT_TRANSLATE_NOOP("Words", "no location service on this system"))});
        return nullptr;
      }
      parameters.insert(QStringLiteral("desktopId"), QString::fromLatin1(POSITION_DESKTOP_ID));
      QGeoPositionInfoSource* made = QGeoPositionInfoSource::createDefaultSource(parameters, this);
      if (made == nullptr)
        Finish(PositionReading{
            false, 0.0, 0.0, Tr(QT_TRANSLATE_NOOP("Words", "no location service on this system"))});
      return made;
    }
    std::string reason;
    stream = OpenNmeaStream(nmeaSource, this, reason);
    if (stream == nullptr) {
      Finish(PositionReading{false, 0.0, 0.0, reason});
      return nullptr;
    }
    if (auto* socket = qobject_cast<QTcpSocket*>(stream->children().value(0))) {
      connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        Finish(PositionReading{false, 0.0, 0.0,
                               Filled(QT_TRANSLATE_NOOP("Words", "the NMEA stream failed: %1"),
                                      socket->errorString())});
      });
    }
    auto* made = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, this);
    made->setDevice(stream);
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
  NmeaLines* stream = nullptr;               // a child of this, for an NMEA source
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
