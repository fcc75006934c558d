// Incoming lines, exactly as the game writes them, taken apart into parts.
#include "audio/heard_line.h"

#include <gtest/gtest.h>

namespace tovk::audio {
namespace {

struct Expected {
  std::string text;
  std::string words;  // empty for a lost part: its words are not checked
  bool lost = false;
};

GameState StationInHand() {
  GameState g;
  g.Mycall = "K1XYZ";
  g.Hiscall = "W6AB";
  g.Hissection = "LA";
  g.StationIndex = 7;
  g.StationSection[7] = 35;  // Los Angeles, not Louisiana
  g.Hisnumber = "  12";
  g.Hisprec = "B";
  g.Hischeck = "72";
  const char* sent[] = {"12", "B", "W6AB", "Check", "72", "LA"};
  for (int i = 0; i < 6; ++i) g.PartText[static_cast<tovk::Part>(i)] = sent[i];
  return g;
}

void ExpectParts(const std::string& line, const std::vector<Expected>& expected) {
  const HeardLine heard = HearIncomingLine(line, StationInHand());
  EXPECT_EQ(heard.sound, LineSound::Speech) << line;
  ASSERT_EQ(heard.parts.size(), expected.size()) << line;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(heard.parts[i].text, expected[i].text) << line << " part " << i;
    EXPECT_EQ(heard.parts[i].lost, expected[i].lost) << line << " part " << i;
    if (!expected[i].lost) {
      EXPECT_EQ(heard.parts[i].words, expected[i].words) << line;
    }
  }
}

TEST(HeardLine, wholeExchangeInTheOrderSaid) {
  ExpectParts("K1XYZ UR 12 B W6AB Check 72 LA", {{"K1XYZ", "Kilo One X-ray Yankee Zulu"},
                                                 {"UR", "number"},
                                                 {"12", "one two"},
                                                 {"B", "Bravo"},
                                                 {"W6AB", "Whiskey Six Alpha Bravo"},
                                                 {"Check", "check"},
                                                 {"72", "seven two"},
                                                 {"LA", "Los Angeles"}});
}

TEST(HeardLine, lostPartsGluedToTheTextBeforeThem) {
  ExpectParts("K1XYZ UR!@$%&*@$ W6AB!@$%&* 72!@$%&*", {{"K1XYZ", "Kilo One X-ray Yankee Zulu"},
                                                       {"UR", "number"},
                                                       {"!@$%&*", "", true},
                                                       {"@$", "", true},
                                                       {"W6AB", "Whiskey Six Alpha Bravo"},
                                                       {"!@$%&*", "", true},
                                                       {"72", "seven two"},
                                                       {"!@$%&*", "", true}});
}

TEST(HeardLine, aLostPartKnowsWhatItWouldHaveSaid) {
  const HeardLine heard = HearIncomingLine("K1XYZ UR 12@$ W6AB Check 72 LA", StationInHand());
  ASSERT_EQ(heard.parts.size(), 8u);
  EXPECT_TRUE(heard.parts[3].lost);
  EXPECT_EQ(heard.parts[3].words, "Bravo");
}

TEST(HeardLine, tunedAndRepliedLines) {
  ExpectParts(" QRZ SS DE W6AB", {{"QRZ", "Q R Z?"},
                                  {"SS", "sweepstakes"},
                                  {"DE", "this is"},
                                  {"W6AB", "Whiskey Six Alpha Bravo"}});
  ExpectParts("N2EQ DE  #@$ %&* LA", {{"N2EQ", "November Two Echo Quebec"},
                                      {"DE", "this is"},
                                      {"#@$ %&*", "", true},
                                      {"LA", "Los Angeles"}});
  ExpectParts("73 CUL", {{"73", "seventy-three"}, {"CUL", "see you later"}});
  ExpectParts("THIS IS HK3QWE LOOKING FOR A PHONE PATCH INTO WASHINGTON DC",
              {{"THIS", "this"},
               {"IS", "is"},
               {"HK3QWE", "Hotel Kilo Three Quebec Whiskey Echo"},
               {"LOOKING", "looking"},
               {"FOR", "for"},
               {"A", "a"},
               {"PHONE", "phone"},
               {"PATCH", "patch"},
               {"INTO", "into"},
               {"WASHINGTON", "washington"},
               {"DC", "D C"}});
}

TEST(HeardLine, qrmIsTwoStationsAndNonSpeechIsSilence) {
  const HeardLine qrm = HearIncomingLine("#$%&*  QRM  ##@$%&*", StationInHand());
  EXPECT_EQ(qrm.sound, LineSound::Qrm);
  ASSERT_EQ(qrm.parts.size(), 3u);
  EXPECT_EQ(qrm.parts[1].text, "QRM");
  for (const char* line : {"*** No response", "*** Nothing heard",
                           "*** No response to call number 4", "", "   ", "12 | K1AA, 0"}) {
    EXPECT_EQ(HearIncomingLine(line, StationInHand()).sound, LineSound::Silence) << line;
  }
}

}  // namespace
}  // namespace tovk::audio
