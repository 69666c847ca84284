// One HTTP GET through Qt Network, with a size limit and a stall timeout: built into
// halvane-download.so.
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/element_fetching.h"

namespace halvane {

namespace {

// The module links no part of Halvane: it asks Qt for the program's words itself.
std::string Filled(const char* source, const QString& first) {
  return QCoreApplication::translate("Words", source).arg(first).toStdString();
}

std::string Filled(const char* source, const QString& first, const QString& second) {
  return QCoreApplication::translate("Words", source).arg(first, second).toStdString();
}

class ElementFetch : public QObject {
 public:
  ElementFetch(const FetchRequest& request, QObject* parent,
               std::function<void(int64_t, int64_t)> progress,
               std::function<void(const FetchResult&)> finish)
      : QObject(parent),
        request(request),
        progress(std::move(progress)),
        finish(std::move(finish)),
        network(this) {
    QNetworkRequest get(QUrl(QString::fromStdString(request.url)));
    get.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(request.userAgent));
    // Redirects only to as safe a scheme; certificates are checked as Qt does by default.
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::NoLessSafeRedirectPolicy);
    get.setTransferTimeout(request.stallMs);
    // The bytes as they are, so that their count can be held against the announced length.
    get.setRawHeader("Accept-Encoding", "identity");
    reply = network.get(get);
    connect(reply, &QNetworkReply::readyRead, this, [this] { Read(); });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { this->progress(received, total); });
    connect(reply, &QNetworkReply::finished, this, [this] { Done(); });
  }

 private:
  void Read() {
    if (finished || !reply->isOpen()) return;
    body += reply->readAll().toStdString();
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (static_cast<int64_t>(body.size()) > request.maxBytes || announced > request.maxBytes) {
      //: %1 is a size in megabytes
      Finish({Status(),
              {},
              Filled(QT_TRANSLATE_NOOP("Words", "larger than %1 MB"),
                     QString::number((request.maxBytes + 1024 * 1024 - 1) / (1024 * 1024)))});
    }
  }

  int32_t Status() const {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  }

  void Done() {
    if (finished) return;
    Read();
    if (finished) return;
    const int32_t status = Status();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const qint64 received = static_cast<qint64>(body.size());
    if (reply->error() == QNetworkReply::OperationCanceledError) {
      //: %1 is a number of seconds
      Finish({status,
              {},
              Filled(QT_TRANSLATE_NOOP("Words", "no answer within %1 s"),
                     QString::number(request.stallMs / 1000))});
    } else if (status != 0 && status != 200) {
      const QString reason =
          reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
      //: %1 is an HTTP status code, %2 the server's words for it
      Finish({status,
              {},
              Filled(QT_TRANSLATE_NOOP("Words", "the server answered %1 %2"),
                     QString::number(status), reason)});
    } else if (announced.isValid() && announced.toLongLong() != received) {
      //: %1 bytes received of %2 announced
      Finish({status,
              {},
              Filled(QT_TRANSLATE_NOOP("Words", "the download broke off after %1 of %2 bytes"),
                     QString::number(received), QString::number(announced.toLongLong()))});
    } else if (reply->error() != QNetworkReply::NoError) {
      Finish({status, {}, reply->errorString().toStdString()});
    } else {
      Finish({status, std::move(body), {}});
    }
  }

  void Finish(const FetchResult& result) {
    finished = true;
    // From the event loop: Qt may still be inside the reply's own handling.
    if (reply->isRunning())
      QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
    finish(result);
    deleteLater();
  }

  const FetchRequest request;
  const std::function<void(int64_t, int64_t)> progress;
  const std::function<void(const FetchResult&)> finish;
  QNetworkAccessManager network;
  QNetworkReply* reply = nullptr;  // a child of network
  std::string body;
  bool finished = false;
};

}  // namespace

}  // namespace halvane

extern "C" __attribute__((visibility("default"))) void HalvaneStartElementFetch(
    const halvane::FetchRequest& request, QObject* parent,
    std::function<void(int64_t, int64_t)> progress,
    std::function<void(const halvane::FetchResult&)> finish) {
  new halvane::ElementFetch(request, parent, std::move(progress), std::move(finish));
}
