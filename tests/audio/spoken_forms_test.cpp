// The table of spoken forms, for a few calls, numbers, checks and sections.
#include "audio/spoken_forms.h"

#include <gtest/gtest.h>

namespace tovk::audio {
namespace {

struct SpokenCase {
  std::string text;
  std::string expected;
};

TEST(SpokenForms, callsignsInThePhoneticAlphabet) {
  for (const auto& [call, spoken] : std::vector<SpokenCase>{
           {"K1ABC", "Kilo One Alpha Bravo Charlie"},
           {"VE3QQ", "Victor Echo Three Quebec Quebec"},
           {"W6XYZ/7", "Whiskey Six X-ray Yankee Zulu stroke Seven"},
           {"N0JU", "November Zero Juliet Uniform"},
       }) {
    EXPECT_EQ(SpokenCallsign(call), spoken) << call;
  }
}

TEST(SpokenForms, numbersAndChecksDigitByDigitPrecedenceAsItsWord) {
  EXPECT_EQ(SpokenDigits("123"), "one two three");
  EXPECT_EQ(SpokenDigits("68"), "six eight");
  EXPECT_EQ(SpokenDigits("1000"), "one zero zero zero");
  EXPECT_EQ(SpokenPrecedence("A"), "Alpha");
  EXPECT_EQ(SpokenPrecedence("B"), "Bravo");
}

TEST(SpokenForms, sectionsByTheirNamesOnTheAir) {
  for (const auto& [name, spoken] : std::vector<SpokenCase>{
           {"CT", "Connecticut"},
           {"EBAY", "East Bay"},
           {"MDC", "Maryland D C"},
           {"NWT", "Northwest Territories"},
           {"YU", "Yukon"},
           {"NYLI", "New York City Long Island"},
       }) {
    EXPECT_EQ(SpokenSection(name), spoken) << name;
  }
}

TEST(SpokenForms, sharedSectionNamesFollowTheStationsSection) {
  EXPECT_EQ(SpokenSection("LA", 27), "Louisiana");
  EXPECT_EQ(SpokenSection("LA", 35), "Los Angeles");
  EXPECT_EQ(SpokenSection("SD", 39), "San Diego");
  EXPECT_EQ(SpokenSection("SD", 66), "South Dakota");
  EXPECT_EQ(SpokenSection("SD", 0), "San Diego");  // the index names another section
}

TEST(SpokenForms, procedureWordsAsSaid) {
  for (const auto& [word, spoken] : std::vector<SpokenCase>{
           {"QSL?", "Q S L?"},
           {"73", "seventy-three"},
           {"CUL", "see you later"},
           {"TU", "thank you"},
           {"QRZ", "Q R Z?"},
           {"SRI", "sorry"},
           {"AGN", "again"},
           {"B4", "before"},
       }) {
    EXPECT_EQ(SpokenProcedureWord(word), spoken) << word;
  }
  EXPECT_FALSE(SpokenProcedureWord("MIAMI"));
}

}  // namespace
}  // namespace tovk::audio
