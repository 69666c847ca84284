// The installed translator and the English fallback.
#include "platform/translate.h"

#include <atomic>
#include <cstddef>
#include <cstdio>

#include "platform/bidi_isolate.h"
#include "platform/utf8_text.h"

namespace halvane {

namespace {

// Set once at start by the Qt part; read by every thread that writes a text.
std::atomic<Words::Translator> installedTranslator{nullptr};
std::atomic<std::string (*)(double, int)> installedNumber{nullptr};
std::atomic<std::string (*)(int, int)> installedClock{nullptr};
std::atomic<bool> installedRightToLeft{false};

constexpr char16_t RIGHT_TO_LEFT_MARK = u'\u200F';

template <typename Char>
std::basic_string<Char> Fill(std::basic_string_view<Char> pattern,
                             std::initializer_list<std::basic_string_view<Char>> args) {
  const bool isolate = Words::RightToLeft();
  std::basic_string<Char> text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                        pattern[i + 1] <= '9';
    const size_t index = marker ? static_cast<size_t>(pattern[i + 1] - '1') : args.size();
    if (index >= args.size()) {
      text.push_back(pattern[i]);
      continue;
    }
    const std::basic_string_view<Char> value = *(args.begin() + index);
    if (isolate && !value.empty()) {
      AppendIsolate(text, value);
    } else {
      text.append(value);
    }
    ++i;
  }
  return text;
}

}  // namespace

std::string Words::Tr(const char* source, const char* disambiguation, int n) {
  const Translator translator = installedTranslator.load();
  if (translator != nullptr) return translator(source, disambiguation, n);
  if (n < 0) return source;
  const std::string count = std::to_string(n);
  std::string text = source;
  for (size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
    text.replace(at, 2, count);
    at += count.size();
  }
  return text;
}

std::u16string Words::Tr16(const char* source, const char* disambiguation, int n) {
  return Utf8ToUtf16(Tr(source, disambiguation, n));
}

void Words::Install(Translator translator) { installedTranslator.store(translator); }

void Words::InstallWriting(Writing writing) {
  installedNumber.store(writing.number);
  installedClock.store(writing.clock);
  installedRightToLeft.store(writing.rightToLeft);
}

bool Words::RightToLeft() { return installedRightToLeft.load(); }

std::string Words::Number(double value, int decimals) {
  if (const auto number = installedNumber.load()) return number(value, decimals);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Words::Clock(int hour, int minute) {
  if (const auto clock = installedClock.load()) return clock(hour, minute);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  return text;
}

std::string FillArgs(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return Fill(pattern, args);
}

std::u16string FillArgs(std::u16string_view pattern,
                        std::initializer_list<std::u16string_view> args) {
  return Fill(pattern, args);
}

std::string Isolated(std::string_view text) {
  std::string isolated;
  if (Words::RightToLeft() && !text.empty()) {
    AppendIsolate(isolated, text);
  } else {
    isolated = text;
  }
  return isolated;
}

std::u16string JoinPhrases(std::initializer_list<std::u16string_view> phrases) {
  const bool isolate = Words::RightToLeft();
  std::u16string line;
  for (const std::u16string_view phrase : phrases) {
    if (phrase.empty()) continue;
    if (!line.empty()) line += u"  ";
    if (isolate) {
      AppendIsolate(line, phrase);
    } else {
      line += phrase;
    }
  }
  if (isolate && !line.empty()) line.insert(line.begin(), RIGHT_TO_LEFT_MARK);
  return line;
}

}  // namespace halvane
