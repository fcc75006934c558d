// Reading the game's variables by name for `show`.
#include "term/variables.h"

#include "term/term_fixture.h"

namespace tovk::term {
namespace {

using ShowTest = TermFixture;

std::string Shown(const Game& g, std::string_view request) {
  const ShowResult result = ShowVariable(g, request);
  EXPECT_TRUE(result.ok) << result.text;
  return result.text;
}

TEST_F(ShowTest, valuesAreWrittenByTheirKind) {
  EXPECT_EQ(Shown(g, "Mycall"), "Mycall=Q1AAA");
  EXPECT_EQ(Shown(g, "Assist"), "Assist=true");
  EXPECT_EQ(Shown(g, "AutoSave"), "AutoSave=false");
  EXPECT_EQ(Shown(g, "Hour"), "Hour=21");
  EXPECT_EQ(Shown(g, "StationState"), "StationState=0");  // a number, not a character
  EXPECT_EQ(Shown(g, "CQText"), "CQText=Tovk de Q1AAA SS");
  EXPECT_EQ(Shown(g, "NeededColour"), "NeededColour=" + std::to_string(0xD0E2E8));
  g.WorkedColour = kClBtnFace;
  EXPECT_EQ(Shown(g, "WorkedColour"), "WorkedColour=" + std::to_string(kClBtnFace));
  g.SetAutoCqTimer(true);
  EXPECT_EQ(Shown(g, "AutoCqTimer"), "AutoCqTimer=true");
}

TEST_F(ShowTest, namesMatchInAnyCaseAndAnswerInTheGamesSpelling) {
  EXPECT_EQ(Shown(g, "mycall"), "Mycall=Q1AAA");
  EXPECT_EQ(Shown(g, " sectionname[ 14 ] "), "SectionName[14]=MDC");
}

TEST_F(ShowTest, arrayEntriesByIndexWithinTheirLength) {
  g.PartReceived[Part::Signoff] = true;
  g.StationWorked[3200] = StationLogState::Worked;
  EXPECT_EQ(Shown(g, "PartReceived[7]"), "PartReceived[7]=true");
  EXPECT_EQ(Shown(g, "StationWorked[3200]"), "StationWorked[3200]=2");
  EXPECT_EQ(Shown(g, "SectionName[80]"), "SectionName[80]=");
  EXPECT_EQ(Shown(g, "AreaComplete[10]"), "AreaComplete[10]=false");

  for (const char* wrong :
       {"PartReceived[8]", "SectionName[81]", "StationCall[3201]", "AreaComplete[-1]",
        "PartText[x]", "PartText[]", "PartText[1", "PartText[99999999999999]"}) {
    EXPECT_FALSE(ShowVariable(g, wrong).ok) << wrong;
  }
  EXPECT_EQ(ShowVariable(g, "PartReceived[8]").text,
            "index out of range: PartReceived[8] (PartReceived[0..7])");
}

TEST_F(ShowTest, unknownNamesAndMisusedIndexesAreRefused) {
  EXPECT_EQ(ShowVariable(g, "Score").text, "unknown variable: Score");
  EXPECT_FALSE(ShowVariable(g, "Mycall[0]").ok);
  const ShowResult whole = ShowVariable(g, "PartText");
  EXPECT_FALSE(whole.ok);
  EXPECT_EQ(whole.text, "PartText is a list of 8: show PartText[i]");
}

TEST_F(ShowTest, everyVariableOfTheGameStateIsKnown) {
  for (const char* name : {"Mycall",
                           "Myprec",
                           "Mycheck",
                           "Mysection",
                           "CQText",
                           "PowerFactor",
                           "StationIndex",
                           "Hiscall",
                           "Hisprec",
                           "Hisnumber",
                           "Hischeck",
                           "Hissection",
                           "OtherCall",
                           "StationState",
                           "PartReceived[0]",
                           "PartText[0]",
                           "ExchangeSent",
                           "CallAttempts",
                           "StationHeard",
                           "Band",
                           "Day",
                           "Hour",
                           "Minute",
                           "Second",
                           "ElapsedMinutes",
                           "OpHours",
                           "OpMinutes",
                           "Operating",
                           "Activity",
                           "DayText",
                           "HourText",
                           "MinuteText",
                           "MynumberText",
                           "Mynumber",
                           "SectionsWorked",
                           "DupeCount",
                           "ErrorCount",
                           "StationCall[0]",
                           "StationSection[0]",
                           "StationWorked[0]",
                           "StationBand[0]",
                           "StationMax",
                           "SectionName[0]",
                           "SectionStatus[0]",
                           "AreaComplete[0]",
                           "AutoCQ",
                           "AutoCQCount",
                           "TenMetreZone",
                           "Debug",
                           "SilentMode",
                           "SectionPosition",
                           "AutoClear",
                           "AutoDetect",
                           "Assist",
                           "AutoSave",
                           "NeededColour",
                           "HeardColour",
                           "WorkedColour",
                           "SectionsColour",
                           "SavedGameFile",
                           "TimeoutHours",
                           "TimeoutMinutes",
                           "StationFile",
                           "TempText"}) {
    EXPECT_TRUE(ShowVariable(g, name).ok) << name;
  }
}

}  // namespace
}  // namespace tovk::term
