// The terminal protocol's text helpers: message lines, answers and spin values.
#include "term/term_text.h"

#include <gtest/gtest.h>

namespace tovk::term {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitMessageLines, pairsOfLineFeedAndReturnAreOneBreak) {
  EXPECT_EQ(SplitMessageLines("A\n\rB"), (Lines{"A", "B"}));
  EXPECT_EQ(SplitMessageLines("A\r\nB"), (Lines{"A", "B"}));
  EXPECT_EQ(SplitMessageLines("A\nB\rC"), (Lines{"A", "B", "C"}));
}

TEST(SplitMessageLines, repeatedBreaksLeaveEmptyLines) {
  EXPECT_EQ(SplitMessageLines("A\n\nB"), (Lines{"A", "", "B"}));
  EXPECT_EQ(SplitMessageLines("A\r\n\r\nB"), (Lines{"A", "", "B"}));
}

TEST(SplitMessageLines, aBreakAtTheEndOpensNoLineAndEmptyTextIsOneLine) {
  EXPECT_EQ(SplitMessageLines("Contest is over\r\n"), (Lines{"Contest is over"}));
  EXPECT_EQ(SplitMessageLines("A\n\n"), (Lines{"A", ""}));
  EXPECT_EQ(SplitMessageLines(""), (Lines{""}));
}

TEST(OneLine, lineBreaksBecomeBlanks) {
  EXPECT_EQ(OneLine("a\r\nb\nc"), "a  b c");
}

TEST(IsYes, onlyYAndYesInAnyCaseAreYes) {
  EXPECT_TRUE(IsYes("y"));
  EXPECT_TRUE(IsYes(" YES "));
  EXPECT_TRUE(IsYes("Yes"));
  EXPECT_FALSE(IsYes(""));
  EXPECT_FALSE(IsYes("no"));
  EXPECT_FALSE(IsYes("yess"));
  EXPECT_FALSE(IsYes("y es"));
}

TEST(SpinValue, wholeNumbersAreClampedAndOtherTextReadsAsZero) {
  EXPECT_EQ(SpinValue("15", 0, 59), 15);
  EXPECT_EQ(SpinValue("+7", 0, 59), 7);
  EXPECT_EQ(SpinValue("75", 0, 59), 59);
  EXPECT_EQ(SpinValue("-3", 0, 59), 0);
  EXPECT_EQ(SpinValue("99999999999999999999999", 0, 60), 60);
  EXPECT_EQ(SpinValue("-99999999999999999999999", 0, 60), 0);
  EXPECT_EQ(SpinValue("12x", 0, 59), 0);
  EXPECT_EQ(SpinValue("half", 0, 59), 0);
  EXPECT_EQ(SpinValue("", 0, 59), 0);
  EXPECT_EQ(SpinValue("abc", 5, 9), 5);  // zero clamped into the range
}

TEST(ParseTimeoutAnswer, emptyIsCancelAndValuesAreClamped) {
  EXPECT_EQ(ParseTimeoutAnswer(""), std::nullopt);
  EXPECT_EQ(ParseTimeoutAnswer("   "), std::nullopt);
  EXPECT_EQ(ParseTimeoutAnswer("1 20"), (std::pair{1, 20}));
  EXPECT_EQ(ParseTimeoutAnswer("  0   14 "), (std::pair{0, 14}));
  EXPECT_EQ(ParseTimeoutAnswer("61 60"), (std::pair{60, 59}));
  EXPECT_EQ(ParseTimeoutAnswer("two 30"), (std::pair{0, 30}));
  EXPECT_EQ(ParseTimeoutAnswer("2"), (std::pair{2, 0}));
}

}  // namespace
}  // namespace tovk::term
