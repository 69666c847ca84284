// Reading the source data of the catalog builder: GeoJSON-like files whose coordinates are
// degrees, right ascension given as a longitude in -180 to 180.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <string>

namespace halvane {

// Reads and parses a JSON file; on failure returns nothing and sets error to one line that
// names the file.
std::optional<QJsonDocument> LoadJsonFile(const std::string& path, std::string& error);

// The "features" array of a feature collection; empty when there is none.
QJsonArray Features(const QJsonDocument& document);

// A number given as a JSON number or as a numeric string ("0.081"); nothing for an empty
// string, any other type, or text that is not wholly a finite number.
std::optional<double> NumberOf(const QJsonValue& value);

// A [longitude, latitude] pair in degrees, both finite; nothing otherwise.
std::optional<std::pair<double, double>> PointOf(const QJsonValue& value);

}  // namespace halvane
