// Which way a value set into right-to-left text runs.
#include "platform/bidi_isolate.h"

#include <gtest/gtest.h>

#include <string>

namespace halvane {
namespace {

TEST(BidiIsolate, AValueRunsTheWayOfItsFirstLetterAndDigitsLeftToRight) {
  constexpr TextDirection LTR = TextDirection::LeftToRight;
  constexpr TextDirection RTL = TextDirection::RightToLeft;
  EXPECT_EQ(FirstLetterDirection(u"49°41′49″ N 18°20′20″ E"), LTR);
  EXPECT_EQ(FirstLetterDirection(u"+13° 25′ 34″"), LTR);
  EXPECT_EQ(FirstLetterDirection(u"٤٫٨٩"), LTR) << "Arabic digits are no letters";
  EXPECT_EQ(FirstLetterDirection(u"49°41′49″ شمال"), RTL);
  EXPECT_EQ(FirstLetterDirection(u"Юпитер"), LTR);
  EXPECT_EQ(FirstLetterDirection(u"Frýdek-Místek, CZ"), LTR);
  // A date of isolated parts runs the way of the letters inside them.
  EXPECT_EQ(FirstLetterDirection(u"\u2067ד׳\u2069, \u20669\u2069 \u2067דצמ׳\u2069"), RTL);

  std::string out = "in ";
  AppendIsolate(out, "\xFF 12");  // not UTF-8: kept as it came
  EXPECT_EQ(out, "in \u2066\xFF 12\u2069");
  std::u16string line;
  AppendIsolate(line, u"שקיעה");
  EXPECT_EQ(line, u"\u2067שקיעה\u2069");
}

}  // namespace
}  // namespace halvane
