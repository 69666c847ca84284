// One HTTP GET through Qt Network, with a size limit and a stall timeout: built into
// halvane-download.so.
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/element_fetching.h"

namespace halvane {

namespace {

std::string MegabytesText(int64_t bytes) {
  return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MB";
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
      Finish({Status(), {}, "larger than " + MegabytesText(request.maxBytes)});
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
      Finish({status, {}, "no answer within " + std::to_string(request.stallMs / 1000) + " s"});
    } else if (status != 0 && status != 200) {
      const QString reason =
          reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
      Finish({status,
              {},
              "the server answered " + std::to_string(status) + " " + reason.toStdString()});
    } else if (announced.isValid() && announced.toLongLong() != received) {
      Finish({status,
              {},
              "the download broke off after " + std::to_string(received) + " of " +
                  std::to_string(announced.toLongLong()) + " bytes"});
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
