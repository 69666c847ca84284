// Windows-1252 decoding for the chart and encoding with transliteration for the builder.
#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace halvane {
namespace {

TEST(CodePage, DecodesTheWholePageAndStopsAtZeroOrTheLimit) {
  const char text[] = "\x80 \x92\xE9\xFF\x9F";
  EXPECT_EQ(Windows1252ToUtf16(text, sizeof text), u"\u20AC \u2019\u00E9\u00FF\u0178");
  EXPECT_EQ(Windows1252ToUtf16("\x81\x8D\x8F\x90\x9D", 5), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");

  // A name field of 20 bytes with no terminator: the limit ends it.
  const char field[20] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                          'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'};
  EXPECT_EQ(Windows1252ToUtf16(field, 19), u"ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(Windows1252ToUtf16("Vega\0junk", 9), u"Vega");
  EXPECT_EQ(Windows1252ToUtf16(nullptr, 20), u"");
  EXPECT_EQ(Windows1252ToUtf16("abc", 0), u"");
}

TEST(CodePage, EveryAssignedByteSurvivesARoundTripThroughUtf8) {
  for (int byte = 1; byte < 256; ++byte) {
    const char single = static_cast<char>(byte);
    const std::u16string decoded = Windows1252ToUtf16(&single, 1);
    ASSERT_EQ(decoded.size(), 1u);
    if (decoded[0] == 0xFFFD) continue;
    const std::string utf8 = QString::fromStdU16String(decoded).toStdString();
    bool lossy = true;
    EXPECT_EQ(Utf8ToWindows1252(utf8, &lossy), std::string(1, single)) << "byte " << byte;
    EXPECT_FALSE(lossy) << "byte " << byte;
  }
}

TEST(CodePage, CharactersOutsideThePageAreTransliteratedOrReplaced) {
  struct Case {
    const char* utf8;
    const char* expected;
  };
  const Case cases[] = {
      {"Bibh\xC4\x81", "Bibha"},  // a with macron
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "L\xF3"
       "dz"},                              // L stroke kept as L, o acute kept
      {"\xC4\xB2sselmeer", "IJsselmeer"},  // one letter becomes two
      {"Ha\xCC\x81", "Ha"},                // combining acute dropped
      {"\xE1\xBB\x87", "e"},               // Vietnamese e with two marks
      {"\xCE\xB1 Cen", "? Cen"},           // Greek has no stand-in
      {"\xF0\x9F\x8C\x9F", "?"},           // beyond the BMP
      {"a\xFF"
       "b",
       "a?b"},                  // not UTF-8 at all
      {"\xC0\xAF", "??"},       // overlong form
      {"\xED\xA0\x80", "???"},  // a surrogate
  };
  for (const Case& c : cases) {
    bool lossy = false;
    EXPECT_EQ(Utf8ToWindows1252(c.utf8, &lossy), c.expected) << c.utf8;
    EXPECT_TRUE(lossy) << c.utf8;
  }
  // A zero inside the text would end the name early: it is replaced.
  EXPECT_EQ(Utf8ToWindows1252(std::string_view("a\0b", 3)), "a?b");
}

}  // namespace
}  // namespace halvane
