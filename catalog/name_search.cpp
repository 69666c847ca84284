// Name folding and the prefix index.
#include "catalog/name_search.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include "catalog/greek_letters.h"
#include "platform/code_page.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

// Base letters of U+00C0 to U+00FF in lower case; '*' marks the ones that become two
// letters, '-' the two signs among them.
constexpr std::string_view LATIN_1_LETTERS =
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy**"
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy*y";

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsCombiningMark(char32_t c) { return c >= 0x0300 && c <= 0x036F; }

// Spaces, punctuation and signs that separate words: besides ASCII, the Latin-1 signs, the
// general punctuation block, the CJK one, and the replacement of malformed bytes.
bool IsSeparator(char32_t c) {
  return (c >= 0x80 && c < 0xC0) || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x206F) ||
         (c >= 0x3000 && c <= 0x303F) || c == 0xFFFD;
}

// Capital Cyrillic and Greek letters to small ones; other code points stay.
char32_t LowerOtherScripts(char32_t c) {
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) return c + 0x20;
  return c;
}

class Folder {
 public:
  explicit Folder(FoldedName& out) : out(out) {}

  void Letters(std::string_view letters) {
    for (const char c : letters) {
      if (!IsAsciiLetterOrDigit(c)) {
        inWord = false;
        continue;
      }
      StartWord();
      out.text.push_back(LowerAscii(c));
    }
  }

  void Other(char32_t c) {
    StartWord();
    AppendUtf8(LowerOtherScripts(c), out.text);
  }

  void Separator() { inWord = false; }

 private:
  void StartWord() {
    if (inWord) return;
    inWord = true;
    if (out.text.size() <= std::numeric_limits<uint16_t>::max()) {
      out.wordStarts.push_back(static_cast<uint16_t>(out.text.size()));
    }
  }

  FoldedName& out;
  bool inWord = false;
};

std::string_view TwoLetters(char32_t c) {
  switch (c) {
    case 0xC6:
    case 0xE6: return "ae";
    case 0xDE:
    case 0xFE: return "th";
    default: return "ss";  // U+00DF
  }
}

}  // namespace

FoldedName FoldName(std::string_view utf8) {
  FoldedName folded;
  Folder folder(folded);
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    if (!DecodeUtf8(utf8, i, c) || IsSeparator(c)) {
      folder.Separator();
    } else if (c < 0x80) {
      folder.Letters(std::string_view(&utf8[i - 1], 1));
    } else if (c >= 0xC0 && c <= 0xFF) {
      const char base = LATIN_1_LETTERS[c - 0xC0];
      folder.Letters(base == '*' ? TwoLetters(c) : std::string_view(&LATIN_1_LETTERS[c - 0xC0], 1));
    } else if (const std::string_view greek = GreekLetterName(c); !greek.empty()) {
      folder.Letters(greek);
    } else if (IsCombiningMark(c)) {
      // The mark belongs to the letter before it, which is already folded.
    } else if (const std::string_view standIn = Transliterate(c); !standIn.empty()) {
      folder.Letters(standIn);
    } else {
      folder.Other(c);
    }
  }
  return folded;
}

namespace {

// Whether one letter left out, added, changed, or two neighbours swapped make a into b.
bool WithinOneEdit(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1) return false;
  size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  if (i == a.size()) return true;  // equal, or b has one more letter at the end
  if (a.size() < b.size()) return a.substr(i) == b.substr(i + 1);
  if (a.substr(i + 1) == b.substr(i + 1)) return true;
  return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
         a.substr(i + 2) == b.substr(i + 2);
}

}  // namespace

NameIndex::NameIndex(std::vector<NameEntry> entries) : entries(std::move(entries)) {
  folded.reserve(this->entries.size());
  for (uint32_t e = 0; e < this->entries.size(); ++e) {
    FoldedName name = FoldName(this->entries[e].name);
    for (const uint16_t offset : name.wordStarts) keys.push_back({e, offset});
    folded.push_back(std::move(name.text));
  }
  std::sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
    return std::forward_as_tuple(KeyText(a), a.entry) < std::forward_as_tuple(KeyText(b), b.entry);
  });
}

std::string_view NameIndex::KeyText(const Key& key) const {
  return std::string_view(folded[key.entry]).substr(key.offset);
}

std::vector<NameMatch> NameIndex::Complete(std::string_view query, size_t limit) const {
  std::vector<NameMatch> found;
  const std::string wanted = FoldName(query).text;
  if (wanted.empty() || limit == 0) return found;

  auto key =
      std::lower_bound(keys.begin(), keys.end(), wanted,
                       [this](const Key& k, const std::string& text) { return KeyText(k) < text; });
  for (; key != keys.end() && KeyText(*key).starts_with(wanted); ++key) {
    MatchQuality quality = MatchQuality::WordPrefix;
    if (key->offset == 0) {
      quality = folded[key->entry].size() == wanted.size() ? MatchQuality::Exact
                                                           : MatchQuality::NamePrefix;
    }
    found.push_back({key->entry, quality});
  }

  return Best(std::move(found), limit);
}

std::vector<NameMatch> NameIndex::Suggest(std::string_view query, size_t limit) const {
  std::vector<NameMatch> found;
  const std::string wanted = FoldName(query).text;
  if (wanted.size() < SUGGEST_MIN_LETTERS || limit == 0) return found;
  for (const Key& key : keys) {
    if (WithinOneEdit(KeyText(key), wanted)) found.push_back({key.entry, MatchQuality::OneEdit});
  }
  return Best(std::move(found), limit);
}

std::vector<NameMatch> NameIndex::Best(std::vector<NameMatch> found, size_t limit) const {
  // An entry may match at several words: keep its best.
  std::sort(found.begin(), found.end(), [](const NameMatch& a, const NameMatch& b) {
    return std::tie(a.entry, a.quality) < std::tie(b.entry, b.quality);
  });
  found.erase(
      std::unique(found.begin(), found.end(),
                  [](const NameMatch& a, const NameMatch& b) { return a.entry == b.entry; }),
      found.end());

  const auto ranked = [this](const NameMatch& a, const NameMatch& b) {
    const NameEntry& x = entries[a.entry];
    const NameEntry& y = entries[b.entry];
    const auto rank = [this](const NameMatch& m, const NameEntry& e) {
      return std::make_tuple(m.quality, -static_cast<int64_t>(e.weight), folded[m.entry].size(),
                             std::string_view(folded[m.entry]), m.entry);
    };
    return rank(a, x) < rank(b, y);
  };
  const size_t kept = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
                    ranked);
  found.resize(kept);
  return found;
}

}  // namespace halvane
