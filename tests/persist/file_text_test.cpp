// Lines, encodings and numbers as the file readers take them.
#include "persist/file_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tovk {
namespace {

TEST(FileTextTest, overlongLineIsCutAndTheNextLineStillReads) {
  std::istringstream in(std::string(kMaxLineBytes + 5000, 'x') + "\r\nnext\r\nlast");
  std::string line;
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line.size(), kMaxLineBytes);
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "next");
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(ReadTextLine(in, line));
}

TEST(FileTextTest, emptyLinesAreLinesAndAnEmptyInputHasNone) {
  std::istringstream in("\r\n\n");
  std::string line = "junk";
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(ReadTextLine(in, line));
  EXPECT_FALSE(ReadTextLine(in, line));
}

TEST(FileTextTest, lineThatIsNoUtf8IsReadAsLatinOne) {
  EXPECT_EQ(ToUtf8("Stra\xDF"
                   "e"),
            "Stra\xC3\x9F"
            "e");
  EXPECT_EQ(ToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_FALSE(IsValidUtf8("\xC3"));          // cut sequence
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong form
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}

TEST(FileTextTest, numbersMustFitIn32Bits) {
  EXPECT_EQ(ParseInt32(" -2147483648 "), INT32_MIN);
  EXPECT_EQ(ParseInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInt32("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseInt32("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseInt32("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt32("$100000000"), std::nullopt);
  EXPECT_EQ(ParseInt32("-"), std::nullopt);
  EXPECT_EQ(ParseInt32("12 3"), std::nullopt);
  EXPECT_EQ(ParseInt32(""), std::nullopt);
}

}  // namespace
}  // namespace tovk
