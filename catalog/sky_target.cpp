// From names to objects, and from objects to places.
#include "catalog/sky_target.h"

#include "catalog/data_file.h"
#include "catalog/layer_geometry.h"
#include "catalog/satellite_set.h"
#include "platform/code_page.h"
#include "platform/utf8_text.h"
#include "view/go_to_table.h"

namespace halvane {

std::optional<NamedRef> ResolveName(const SkyNames& names, std::string_view text,
                                    const SatelliteSet* satellites) {
  const std::vector<NameMatch> matches = names.index.Complete(text, 1);
  const bool exact = !matches.empty() && matches.front().quality == MatchQuality::Exact;
  if (satellites != nullptr && !exact) {
    if (const int32_t found = satellites->Find(text); found >= 0) {
      return NamedRef{{ObjectSource::Satellite, static_cast<uint32_t>(found)},
                      satellites->All()[static_cast<size_t>(found)].ShownName()};
    }
  }
  if (matches.empty()) return std::nullopt;
  const NameEntry& entry = names.index.Entries()[matches.front().entry];
  const ObjectRef object = ObjectOf(names, entry);
  // Found by another of its names ("UMa", "NGC 224"), an object is shown by its own.
  const bool ownName =
      object.source == ObjectSource::NamedObject || object.source == ObjectSource::Constellation;
  return NamedRef{CanonicalObject(names, object),
                  ownName ? NameOf(names, object, Moment()) : entry.name};
}

std::optional<SkyPoint> PlaceOf(const SkyNames& names, ObjectRef object, const Moment& moment) {
  const uint32_t i = object.index;
  switch (object.source) {
    case ObjectSource::Label: {
      if (i >= names.labels.size()) return std::nullopt;
      const LabelRecord& label = names.labels[i];
      if (!IsUsablePosition(label.rightAscension, label.declination)) return std::nullopt;
      return SkyPoint{label.rightAscension, label.declination};
    }
    case ObjectSource::NamedObject: {
      if (i >= names.objects.size()) return std::nullopt;
      const NameRecord& record = names.objects[i].record;
      return SkyPoint{record.rightAscension, record.declination};
    }
    case ObjectSource::DeepSky: {
      uint8_t bytes[DEEP_SKY_RECORD_SIZE];
      if (!ReadRecordAt(names.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, i, bytes)) {
        return std::nullopt;
      }
      const DeepSkyRecord record = DecodeDeepSky(bytes);
      if (!IsUsablePosition(record.rightAscension, record.declination)) return std::nullopt;
      return SkyPoint{record.rightAscension, record.declination};
    }
    case ObjectSource::Constellation: {
      const GoToRow* row = GoToRowAt(static_cast<int32_t>(i));
      if (row == nullptr) return std::nullopt;
      return SkyPoint{row->RightAscension(), row->Declination()};
    }
    case ObjectSource::Body: {
      if (i >= static_cast<uint32_t>(BODY_COUNT)) return std::nullopt;
      const BodyPlace& place = moment.GetBodies()[i];
      if (!place.available) return std::nullopt;
      return SkyPoint{place.rightAscension, place.declination};
    }
    case ObjectSource::MinorBody: {
      const std::vector<MinorBodyPlace>& places = moment.GetMinorBodies();
      if (i >= places.size() || !places[i].available) return std::nullopt;
      return SkyPoint{places[i].rightAscension, places[i].declination};
    }
    case ObjectSource::UnloadedAsteroid:
    case ObjectSource::Satellite: break;
  }
  return std::nullopt;
}

std::string NameOf(const SkyNames& names, ObjectRef object, const Moment& moment) {
  const uint32_t i = object.index;
  switch (object.source) {
    case ObjectSource::Label:
      if (i >= names.labels.size()) return "";
      return Utf16ToUtf8(Windows1252ToUtf16(names.labels[i].name, LABEL_NAME_BYTES - 1));
    case ObjectSource::NamedObject: return i < names.objects.size() ? names.objects[i].shown : "";
    case ObjectSource::DeepSky: {
      uint8_t bytes[DEEP_SKY_RECORD_SIZE];
      if (!ReadRecordAt(names.deepSkyPath, DEEP_SKY_TAG, DEEP_SKY_RECORD_SIZE, i, bytes)) return "";
      const std::string name(FieldText(DecodeDeepSky(bytes).name));
      return IsValidUtf8(name) ? name : "";
    }
    case ObjectSource::Constellation: {
      const GoToRow* row = GoToRowAt(static_cast<int32_t>(i));
      return row == nullptr ? "" : row->name;
    }
    case ObjectSource::Body:
      return i < SOLAR_SYSTEM_BODIES.size() ? std::string(SOLAR_SYSTEM_BODIES[i]) : "";
    case ObjectSource::MinorBody: {
      const MinorBodyList* bodies = moment.GetMinorBodyList().get();
      return bodies != nullptr && i < bodies->size() ? (*bodies)[i].name : "";
    }
    case ObjectSource::UnloadedAsteroid:
      return i < BRIGHT_ASTEROIDS.size() ? std::string(BRIGHT_ASTEROIDS[i]) : "";
    case ObjectSource::Satellite: break;
  }
  return "";
}

}  // namespace halvane
