// Bounded texts keep their first N characters and never split a UTF-8 character.
#include "world/text.h"

#include <gtest/gtest.h>

namespace tovk {
namespace {

TEST(Text, KeepsFirstCharactersOfLongerAsciiText) {
  Text<10> call = "W3ABCDEFGHIJ";  // 12 characters
  EXPECT_EQ(call, "W3ABCDEFGH");
  call = "K1ABC";
  EXPECT_EQ(call, "K1ABC");
  Text<1> prec = "AB";
  EXPECT_EQ(prec, "A");
}

TEST(Text, CountsMultiByteCharactersAsOneAndNeverSplitsThem) {
  Text<3> text = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xBBX";  // é € 📻 X
  EXPECT_EQ(text, "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xBB");
  EXPECT_EQ(CharacterCount(text.str()), 3u);
  Text<1> one = "\xE2\x82\xAC\xE2\x82\xAC";
  EXPECT_EQ(one, "\xE2\x82\xAC");
}

TEST(Text, TruncatedSequenceAtTheEndStaysWhole) {
  // A lead byte without its continuation bytes counts as one character.
  EXPECT_EQ(CutToCharacters("AB\xE2\x82", 3), "AB\xE2\x82");
  EXPECT_EQ(CharacterCount("AB\xE2\x82"), 3u);
  EXPECT_EQ(CutToCharacters("\xFF\xFFZ", 2), "\xFF\xFF");
}

}  // namespace
}  // namespace tovk
