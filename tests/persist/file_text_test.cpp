// Lines, encodings and numbers as the file readers take them.
#include "persist/file_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tovk {
namespace {

TEST(FileTextTest, overlongLineIsCutAndTheNextLineStillReads) {
  std::istringstream in(std::string(kMaxLineBytes + 70000, 'x') + "\r\nnext\r\n\xC3\xA9t\xE9");
  TextLineReader lines(in);
  std::string line;
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line.size(), kMaxLineBytes);
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "next");
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "\xC3\x83\xC2\xA9t\xC3\xA9");  // not UTF-8 as a whole: Latin-1
  EXPECT_FALSE(lines.Next(line));
}

TEST(FileTextTest, emptyLinesAreLinesAndAnEmptyInputHasNone) {
  std::istringstream in("\r\n\n");
  TextLineReader lines(in);
  std::string line = "junk";
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(lines.Next(line));
  EXPECT_FALSE(lines.Next(line));
  std::istringstream none("");
  EXPECT_FALSE(TextLineReader(none).Next(line));
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
