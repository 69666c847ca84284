// Completion over names for Find and the city field: folding that ignores case, accents,
// spaces and punctuation, and an index that answers prefix queries ranked by how well and
// how importantly each name matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

// A name folded for matching: lower case, Latin letters without their diacritics, and every
// space and punctuation mark left out ("São Paulo" becomes "saopaulo", "M31" "m31"), Greek
// letters spelled out ("α Ori" becomes "alphaori"). Letters of other scripts are kept
// (Cyrillic in lower case); malformed UTF-8 counts as punctuation. wordStarts holds the offset in
// text where each word of the name begins, the first always 0 unless text is empty.
struct FoldedName {
  std::string text;
  std::vector<uint16_t> wordStarts;
};

FoldedName FoldName(std::string_view utf8);

// What an entry names, so that the caller can find it: index is a record of Labels.dat, a
// row of the go-to table, one of SOLAR_SYSTEM_BODIES, a city of Cities.dat, or an object of
// Names.dat, as the builder of the index says.
enum class NameKind : uint8_t { Label, Constellation, Body, City, Object, MinorBody };

struct NameEntry {
  std::string name;  // UTF-8, as shown
  NameKind kind;
  uint32_t index;
  uint32_t weight;  // larger comes first among equal matches (a city's population)
};

// Best first: the query is the whole folded name, then its beginning, then the beginning of
// a later word.
// OneEdit: the query is one typing error away from a whole name or its end from a word on.
enum class MatchQuality : uint8_t { Exact, NamePrefix, WordPrefix, OneEdit };

// Queries of fewer folded letters get no suggestions: too many names lie one edit from them.
constexpr size_t SUGGEST_MIN_LETTERS = 5;

struct NameMatch {
  uint32_t entry;  // position in NameIndex::Entries()
  MatchQuality quality;
};

class NameIndex {
 public:
  NameIndex() = default;
  explicit NameIndex(std::vector<NameEntry> entries);

  // At most limit entries that the folded query begins, or begins a word of, ranked by
  // quality, then weight, then shorter name, then folded name. An empty folded query
  // ("", " ", "-") matches nothing.
  std::vector<NameMatch> Complete(std::string_view query, size_t limit) const;

  // For a query that completes nothing: at most limit entries whose folded name, or its
  // end from a word's start on, is one typing error from the folded query (a letter left
  // out, added or changed, or two neighbours swapped: "Betelguese", "Andromda"), ranked by
  // weight. Nothing for a query of fewer than SUGGEST_MIN_LETTERS folded letters.
  std::vector<NameMatch> Suggest(std::string_view query, size_t limit) const;

  const std::vector<NameEntry>& Entries() const { return entries; }

 private:
  std::vector<NameMatch> Best(std::vector<NameMatch> found, size_t limit) const;

  // A word start of an entry: the folded name from offset on is what a query must begin.
  struct Key {
    uint32_t entry;
    uint16_t offset;
  };
  std::string_view KeyText(const Key& key) const;

  std::vector<NameEntry> entries;
  std::vector<std::string> folded;  // per entry
  std::vector<Key> keys;            // sorted by KeyText
};

}  // namespace halvane
