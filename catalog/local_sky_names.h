// The sky's names in the user's language (SkyNames.dat): constellations and deep-sky objects
// as a language calls them, read for one language at a time. A name the file does not give
// stays the international one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/data_file.h"
#include "catalog/object_ref.h"
#include "catalog/sky_names.h"

namespace halvane {

// SkyNames.dat, tag "SKYN", 96-byte records, sorted by language, kind and object:
//   0  6   bytes  language  ASCII code, zero-padded: "de", "pt_BR"
//   6  1   uint8  kind      a LocalNameKind
//   7  1   uint8  reserved  0
//   8  24  bytes  object    UTF-8, zero-terminated: the name the other catalogs give it, a
//                           constellation's IAU name as Labels.dat writes it ("Ursa Major"), a
//                           deep-sky object's designation that opens its DeepSky.dat name
//                           ("M42", "NGC 2237")
//   32 64  bytes  name      UTF-8, zero-terminated: its name in the language ("Großer Bär",
//                           "Orionnebel")
constexpr std::string_view SKY_NAMES_TAG = "SKYN";
constexpr size_t SKY_NAMES_RECORD_SIZE = 96;
constexpr size_t SKY_NAMES_LANGUAGE_BYTES = 6;
constexpr size_t SKY_NAMES_OBJECT_BYTES = 24;
constexpr size_t SKY_NAMES_NAME_BYTES = 64;

enum class LocalNameKind : uint8_t { Constellation = 1, DeepSky = 2 };

struct LocalNameRecord {
  std::string language;
  LocalNameKind kind = LocalNameKind::Constellation;
  std::string object;
  std::string name;
};

void EncodeLocalName(const LocalNameRecord& record, uint8_t* bytes);
// The record, or nothing for a damaged one: a field without its terminator, an empty object
// or name, text that is not UTF-8, an unknown kind.
std::optional<LocalNameRecord> DecodeLocalName(const uint8_t* bytes);

// The longest deep-sky name shown, in characters, as DeepSky.dat's 31 bytes of Latin letters.
constexpr size_t DEEP_SKY_SHOWN_CHARACTERS = 31;

class LocalSkyNames {
 public:
  // The names of language in the file at path, unless the same file, unchanged, was read for
  // it last time; an empty language reads nothing. Returns what was wrong with a file read now
  // (it cannot be opened, records were skipped as damaged), else empty; the good records are
  // kept either way.
  std::string Load(const std::string& path, const std::string& language);

  // A constellation's name in the language; its IAU name when the file gives none.
  std::u16string Constellation(std::u16string_view iauName) const;
  // A deep-sky object's name from DeepSky.dat's ("M42 Orion Nebula") in the language:
  // the designation and the language's name after it ("M42 Orionnebel"), or the designation
  // alone when the two are longer than DEEP_SKY_SHOWN_CHARACTERS; unchanged when the file
  // gives no name.
  std::u16string DeepSky(std::u16string_view shown) const;

  // A constellation's name in the language, else a deep-sky object's, else name unchanged:
  // for a name that may be either (a tapped label, the panel's title).
  std::u16string Name(std::u16string_view name) const;
  std::string Name(std::string_view name) const;
  // The title of an object named name: a body's name in the user's language, else Name(name).
  std::string ShownName(const ObjectRef& object, std::string_view name) const;

  // Every name of the language by kind: object name to the language's name.
  const std::map<std::u16string, std::u16string>& Constellations() const { return constellations; }
  const std::map<std::u16string, std::u16string>& DeepSkyObjects() const { return deepSky; }

 private:
  std::string loadedPath;
  std::string loadedLanguage;
  FileState loadedState;
  bool loaded = false;
  std::map<std::u16string, std::u16string> constellations;
  std::map<std::u16string, std::u16string> deepSky;
};

// Find's names with the language's beside them: a constellation's or deep-sky object's name in
// the language finds whatever its international name finds, at the same weight.
void AddLocalNames(SkyNames& names, const LocalSkyNames& local);

}  // namespace halvane
