// Reading SkyNames.dat for one language.
#include "catalog/local_sky_names.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "catalog/name_search.h"
#include "platform/utf8_text.h"
#include "view/body_label.h"

namespace halvane {

namespace {

constexpr size_t KIND_AT = 6;
constexpr size_t OBJECT_AT = 8;
constexpr size_t NAME_AT = OBJECT_AT + SKY_NAMES_OBJECT_BYTES;

// The text of a zero-terminated field; nothing when the field lacks its terminator.
bool FieldOf(const uint8_t* bytes, size_t size, std::string_view& text) {
  const auto* chars = reinterpret_cast<const char*>(bytes);
  const size_t length = strnlen(chars, size);
  if (length == size) return false;
  text = std::string_view(chars, length);
  return true;
}

void Store(std::string_view text, uint8_t* field, size_t size) {
  std::memset(field, 0, size);
  std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

}  // namespace

void EncodeLocalName(const LocalNameRecord& record, uint8_t* bytes) {
  Store(record.language, bytes, SKY_NAMES_LANGUAGE_BYTES);
  bytes[KIND_AT] = static_cast<uint8_t>(record.kind);
  bytes[KIND_AT + 1] = 0;
  Store(record.object, bytes + OBJECT_AT, SKY_NAMES_OBJECT_BYTES);
  Store(record.name, bytes + NAME_AT, SKY_NAMES_NAME_BYTES);
}

std::optional<LocalNameRecord> DecodeLocalName(const uint8_t* bytes) {
  std::string_view code;
  std::string_view object;
  std::string_view name;
  const uint8_t kind = bytes[KIND_AT];
  if (!FieldOf(bytes, SKY_NAMES_LANGUAGE_BYTES, code) ||
      !FieldOf(bytes + OBJECT_AT, SKY_NAMES_OBJECT_BYTES, object) ||
      !FieldOf(bytes + NAME_AT, SKY_NAMES_NAME_BYTES, name) || object.empty() || name.empty() ||
      !IsValidUtf8(object) || !IsValidUtf8(name) ||
      (kind != static_cast<uint8_t>(LocalNameKind::Constellation) &&
       kind != static_cast<uint8_t>(LocalNameKind::DeepSky))) {
    return std::nullopt;
  }
  return LocalNameRecord{std::string(code), static_cast<LocalNameKind>(kind), std::string(object),
                         std::string(name)};
}

std::string LocalSkyNames::Load(const std::string& path, const std::string& language) {
  const FileState state = StateOf(path);
  if (loaded && path == loadedPath && language == loadedLanguage && state == loadedState) {
    return {};
  }
  loaded = true;
  loadedPath = path;
  loadedLanguage = language;
  loadedState = state;
  constellations.clear();
  deepSky.clear();
  if (language.empty()) return {};

  size_t damaged = 0;
  const WalkResult result =
      WalkRecords(path, SKY_NAMES_TAG, SKY_NAMES_RECORD_SIZE, [&](const uint8_t* bytes) {
        const std::optional<LocalNameRecord> record = DecodeLocalName(bytes);
        if (!record) {
          ++damaged;
        } else if (record->language == language) {
          auto& names = record->kind == LocalNameKind::Constellation ? constellations : deepSky;
          names.emplace(Utf8ToUtf16(record->object), Utf8ToUtf16(record->name));
        }
      });
  switch (result) {
    case WalkResult::CannotOpen: return path + " cannot be opened";
    case WalkResult::HeaderRejected: return path + " is not a file of the sky's names";
    case WalkResult::TooLarge: return path + " is too large";
    case WalkResult::Completed: break;
  }
  if (damaged > 0) return path + ": " + std::to_string(damaged) + " damaged records skipped";
  return {};
}

std::u16string LocalSkyNames::Constellation(std::u16string_view iauName) const {
  const auto found = constellations.find(std::u16string(iauName));
  return found == constellations.end() ? std::u16string(iauName) : found->second;
}

std::u16string LocalSkyNames::DeepSky(std::u16string_view shown) const {
  // The designation is the words before the common name: try each beginning that ends at a
  // space, shortest first ("NGC", then "NGC 2237").
  for (size_t end = shown.find(u' '); !deepSky.empty(); end = shown.find(u' ', end + 1)) {
    const std::u16string designation(shown.substr(0, end));
    const auto found = deepSky.find(designation);
    if (found != deepSky.end()) {
      if (designation.size() + 1 + found->second.size() > DEEP_SKY_SHOWN_CHARACTERS) {
        return designation;
      }
      return designation + u' ' + found->second;
    }
    if (end == std::u16string_view::npos) break;
  }
  return std::u16string(shown);
}

std::u16string LocalSkyNames::Name(std::u16string_view name) const {
  const auto found = constellations.find(std::u16string(name));
  return found != constellations.end() ? found->second : DeepSky(name);
}

std::string LocalSkyNames::Name(std::string_view name) const {
  if (constellations.empty() && deepSky.empty()) return std::string(name);
  return Utf16ToUtf8(Name(std::u16string_view(Utf8ToUtf16(name))));
}

std::string LocalSkyNames::ShownName(const ObjectRef& object, std::string_view name) const {
  if (object.source == ObjectSource::Body) return BodyLabel(static_cast<Body>(object.index));
  return Name(name);
}

void AddLocalNames(SkyNames& names, const LocalSkyNames& local) {
  if (local.Constellations().empty() && local.DeepSkyObjects().empty()) return;
  std::vector<NameEntry> entries = names.index.Entries();
  std::map<std::string, size_t> byName;  // folded, the first entry of each
  for (size_t i = 0; i < entries.size(); ++i) byName.emplace(FoldName(entries[i].name).text, i);
  const size_t international = entries.size();
  for (const auto* kind : {&local.Constellations(), &local.DeepSkyObjects()}) {
    for (const auto& [object, name] : *kind) {
      const auto found = byName.find(FoldName(Utf16ToUtf8(object)).text);
      if (found == byName.end()) continue;
      NameEntry entry = entries[found->second];
      entry.name = Utf16ToUtf8(name);
      entries.push_back(std::move(entry));
    }
  }
  if (entries.size() > international) names.index = NameIndex(std::move(entries));
}

}  // namespace halvane
