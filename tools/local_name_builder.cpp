// Picking the offered languages' names out of the source's.
#include "tools/local_name_builder.h"

#include <QJsonArray>
#include <QString>
#include <algorithm>
#include <tuple>

#include "platform/language.h"
#include "tools/catalog_json.h"

namespace halvane {

namespace {

// The source's key of a language: its code without the country, and its own codes for Czech
// and Estonian.
QString SourceKey(std::string code) {
  code = code.substr(0, code.find('_'));
  if (code == "cs") return QStringLiteral("cz");
  if (code == "et") return QStringLiteral("ee");
  return QString::fromStdString(code);
}

// The source marks some right-to-left names as left-to-right and spaces words with
// four-per-em spaces: a chart name takes its direction from its letters, Find a plain space.
std::string Clean(QString name) {
  name.removeIf([](QChar c) {
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
  });
  return name.simplified().toStdString();
}

struct Pending {
  LocalNameKind kind;
  std::string object;
  std::string international;
  QJsonObject names;
};

}  // namespace

std::vector<LocalNameRecord> BuildLocalNames(const QJsonDocument& constellations,
                                             const std::map<std::string, QJsonObject>& deepSky,
                                             std::map<std::string, LocalNameCount>& counts,
                                             std::vector<std::string>& notes) {
  std::vector<Pending> pending;
  for (const QJsonValue& value : Features(constellations)) {
    const QJsonObject properties = value.toObject().value(QStringLiteral("properties")).toObject();
    const std::string name = Clean(properties.value(QStringLiteral("name")).toString());
    // Serpens has two label points and one name.
    const bool again = std::any_of(pending.begin(), pending.end(),
                                   [&](const Pending& p) { return p.object == name; });
    if (!name.empty() && !again) {
      pending.push_back({LocalNameKind::Constellation, name, name, properties});
    }
  }
  for (const auto& [designation, entry] : deepSky) {
    pending.push_back({LocalNameKind::DeepSky, designation,
                       Clean(entry.value(QStringLiteral("name")).toString()), entry});
  }

  std::vector<LocalNameRecord> records;
  for (const OfferedLanguage& language : OfferedLanguages()) {
    const QString key = SourceKey(language.code);
    for (const Pending& object : pending) {
      const std::string name = Clean(object.names.value(key).toString());
      if (name.empty()) continue;
      LocalNameCount& count = counts[language.code];
      ++(object.kind == LocalNameKind::Constellation ? count.constellations : count.deepSky);
      if (name == object.international) continue;
      if (object.object.size() >= SKY_NAMES_OBJECT_BYTES || name.size() >= SKY_NAMES_NAME_BYTES) {
        notes.push_back("SkyNames.dat: " + std::string(language.code) + " name of " +
                        object.object + " left out: too long");
        continue;
      }
      records.push_back({language.code, object.kind, object.object, name});
      ++count.keptRecords;
    }
  }
  std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
    return std::tie(a.language, a.kind, a.object) < std::tie(b.language, b.kind, b.object);
  });
  return records;
}

}  // namespace halvane
