// Shortening and encoding of label names.
#include "tools/catalog_names.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "platform/code_page.h"

namespace halvane {

namespace {

// Words that make no sense at the end of a shortened name.
bool IsJoiningWord(std::string_view word) {
  static constexpr std::array<std::string_view, 11> JOINING = {
      "of", "the", "and", "de", "del", "du", "des", "von", "van", "y", "&"};
  return std::find(JOINING.begin(), JOINING.end(), word) != JOINING.end();
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t j = i;
    while (j < text.size() && text[j] != ' ') ++j;
    if (j > i) words.push_back(text.substr(i, j - i));
    i = j;
  }
  return words;
}

constexpr size_t MIN_CUT_LETTERS = 4;

}  // namespace

std::string ShortenName(std::string_view text, size_t maxLength) {
  if (text.size() <= maxLength) return std::string(text);
  if (maxLength < 2) return std::string(text.substr(0, maxLength));
  const std::vector<std::string_view> words = SplitWords(text);
  std::vector<std::string_view> kept;
  size_t length = 0;
  for (const std::string_view word : words) {
    const size_t added = (kept.empty() ? 0 : 1) + word.size();
    if (length + added > maxLength) break;
    kept.push_back(word);
    length += added;
  }
  std::string result;
  auto join = [&] {
    result.clear();
    for (const std::string_view word : kept) {
      if (!result.empty()) result += ' ';
      result += word;
    }
  };
  if (kept.empty()) {
    const std::string_view first = words.empty() ? text : words.front();
    return std::string(first.substr(0, maxLength - 1)) + '.';
  }
  join();
  const std::string_view next = words[kept.size()];
  const size_t room = maxLength - result.size();  // for " ", letters and "."
  if (!IsJoiningWord(next) && room >= MIN_CUT_LETTERS + 2) {
    return result + ' ' + std::string(next.substr(0, room - 2)) + '.';
  }
  while (kept.size() > 1 && IsJoiningWord(kept.back())) kept.pop_back();
  join();
  return result;
}

FittedName FitLabelName(std::string_view utf8) {
  FittedName name;
  const std::string encoded = Utf8ToWindows1252(utf8, &name.transliterated);
  name.text = ShortenName(encoded, LABEL_NAME_CHARACTERS);
  name.shortened = name.text.size() < encoded.size();
  return name;
}

void StoreLabelName(std::string_view text, char (&field)[LABEL_NAME_BYTES]) {
  std::memset(field, 0, LABEL_NAME_BYTES);
  std::memcpy(field, text.data(), std::min(text.size(), LABEL_NAME_CHARACTERS));
}

}  // namespace halvane
