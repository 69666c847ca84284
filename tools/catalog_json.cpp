// JSON source files of the catalog builder.
#include "tools/catalog_json.h"

#include <QFile>
#include <QJsonParseError>
#include <cmath>

#include "platform/printable_text.h"
#include "platform/translate.h"

namespace halvane {

std::optional<QJsonDocument> LoadJsonFile(const std::string& path, std::string& error) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    //: %1 is a file, %2 the system's reason
    error = FillArgs(Words::Tr("%1: cannot open (%2)"),
                     {PrintableText(path, ECHOED_VALUE_BYTES), file.errorString().toStdString()});
    return std::nullopt;
  }
  QJsonParseError parse{};
  QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
  if (parse.error != QJsonParseError::NoError) {
    //: %1 is a file, %2 a byte offset, %3 what the parser found
    error = FillArgs(Words::Tr("%1: not valid JSON at byte %2 (%3)"),
                     {PrintableText(path, ECHOED_VALUE_BYTES), std::to_string(parse.offset),
                      parse.errorString().toStdString()});
    return std::nullopt;
  }
  if (!document.isObject()) {
    error = FillArgs(Words::Tr("%1: not a JSON object"), {PrintableText(path, ECHOED_VALUE_BYTES)});
    return std::nullopt;
  }
  return document;
}

QJsonArray Features(const QJsonDocument& document) {
  return document.object().value(QStringLiteral("features")).toArray();
}

std::optional<double> NumberOf(const QJsonValue& value) {
  if (value.isDouble()) {
    const double number = value.toDouble();
    if (std::isfinite(number)) return number;
    return std::nullopt;
  }
  if (!value.isString()) return std::nullopt;
  const QString text = value.toString().trimmed();
  if (text.isEmpty()) return std::nullopt;
  bool ok = false;
  const double number = text.toDouble(&ok);
  if (!ok || !std::isfinite(number)) return std::nullopt;
  return number;
}

std::optional<std::pair<double, double>> PointOf(const QJsonValue& value) {
  const QJsonArray pair = value.toArray();
  if (pair.size() < 2 || !pair[0].isDouble() || !pair[1].isDouble()) return std::nullopt;
  const double longitude = pair[0].toDouble();
  const double latitude = pair[1].toDouble();
  if (!std::isfinite(longitude) || !std::isfinite(latitude)) return std::nullopt;
  return std::pair{longitude, latitude};
}

}  // namespace halvane
