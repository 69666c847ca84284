// The sky's names in the languages Halvane speaks, for SkyNames.dat: the constellations'
// names of constellations.json and the deep-sky objects' names of dsonames.json.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <string>
#include <vector>

#include "catalog/local_sky_names.h"
#include "tools/sky_catalog_builder.h"

namespace halvane {

// The records of every offered language the source has, sorted by language, kind and object.
// deepSky maps each deep-sky designation that opens a DeepSky.dat name to its dsonames.json
// entry. A name too long for its field is left out with a line in notes.
std::vector<LocalNameRecord> BuildLocalNames(const QJsonDocument& constellations,
                                             const std::map<std::string, QJsonObject>& deepSky,
                                             std::map<std::string, LocalNameCount>& counts,
                                             std::vector<std::string>& notes);

}  // namespace halvane
