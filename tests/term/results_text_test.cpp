// The results summary's lines in the terminal, the date and time of a run,
// and the after-the-contest commands: export, results and the end of the
// contest with its practice history line.
#include "term/results_text.h"

#include <fstream>
#include <regex>

#include "engine/actions.h"
#include "persist/temp_folder.h"
#include "term/command.h"
#include "term/command_runner.h"
#include "term/term_fixture.h"

namespace tovk::term {
namespace {

TEST(ResultsLines, laysOutFiguresBandsHoursNeededSectionsAndRuns) {
  ResultsSummary s;
  s.contacts = 12, s.sections = 3, s.scoreText = "72", s.rateText = "30";
  s.dupes = 1, s.lids = 2, s.operatingTime = "00:24";
  s.contactsPerBand = {0, 10, 2, 0, 0};
  s.contactsPerHour[0] = 3, s.contactsPerHour[13] = 9, s.contactsPerHour[53] = 104;
  s.sectionsNeeded = {{"W1", {"CT", "EMA"}}, {"VE", {"NWT"}}};
  s.unreadLines = 2;
  const std::vector<PracticeRun> runs = {
      {"2024-11-16T14:05:09", "K1ABC", 100, 10, 3, 60, 0, 1, "00:20"}};
  std::string zeros10;
  for (int i = 0; i < 10; ++i) zeros10 += "   0";
  EXPECT_EQ(
      ResultsLines(s, runs),
      (Lines{"Contacts 12  Sections 3  Score 72  Q/hr 30", "Dupes 1  Lids 2  Operating time 00:24",
             "Log lines that could not be read 2", "Bands 80m 0  40m 10  20m 2  15m 0  10m 0",
             "Hours from Nov 18 21:00:   3" + zeros10 + "   0",
             "Hours from Nov 19 09:00:   0   9" + zeros10,
             "Hours from Nov 19 21:00:   0   0" + zeros10,
             "Hours from Nov 20 09:00:   0   0" + zeros10,
             "Hours from Nov 20 21:00:   0   0   0   0   0 104", "Needed W1: CT EMA",
             "Needed VE: NWT",
             "Run 2024-11-16T14:05:09  K1ABC  100 W  10 QSOs  3 sections  score 60  "
             "dupes 0  lids 1  op 00:20"}));

  s.sectionsNeeded.clear();
  s.unreadLines = 0;
  const Lines lines = ResultsLines(s, {});
  EXPECT_EQ(lines.back(), "Needed none: every section worked");
  EXPECT_EQ(lines.size(), 9u);
}

TEST(LocalIsoTimestamp, isDateTeeTimeToTheSecond) {
  const std::string text = LocalIsoTimestamp(std::chrono::system_clock::now());
  EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)"))) << text;
}

TEST(ParseExport, takesAFormatAndAFileName) {
  const TermCommand cabrillo = ParseCommand("Export CABRILLO  my log.log ");
  EXPECT_EQ(cabrillo.kind, CommandKind::Run);
  EXPECT_EQ(cabrillo.command, Command::ExportCabrillo);
  EXPECT_EQ(cabrillo.input.file, "my log.log");
  EXPECT_EQ(ParseCommand("export adif k.adi").command, Command::ExportAdif);
  EXPECT_EQ(ParseCommand("results").command, Command::Results);
  for (const char* wrong : {"export", "export adif", "export csv k.csv"}) {
    const TermCommand command = ParseCommand(wrong);
    EXPECT_EQ(command.kind, CommandKind::Invalid) << wrong;
    EXPECT_EQ(command.error,
              std::string("export needs cabrillo or adif and a file name: ") + wrong);
  }
}

class AfterContestTest : public TermFixture {
 protected:
  AfterContestTest() {
    g.folder = folder.path();
    g.settingsFile = folder / "tovk.ini";
    session.SetClock([] { return std::string("2024-11-16T14:05:09"); });
    g.Mycall = "K1ABC";
    g.Mynumber = 2;
    g.SectionsWorked = 1;
    g.AppendLine(MemoId::Log, "1977/11/18|21:05|W1AW      | 40|   12| B | 69| CT  |    1");
    g.AppendLine(MemoId::Log, "1977/11/18|21:09|N2EQ  edited by hand");
    Printed();
  }
  void Run(const std::string& line) { RunCommand(session, screen, ParseCommand(line)); }
  Lines Tagged(const std::string& tag) {
    Lines lines;
    for (const std::string& line : Printed())
      if (line.rfind(tag, 0) == 0) lines.push_back(line);
    return lines;
  }

  tovk::testing::TempFolder folder;
};

TEST_F(AfterContestTest, exportWritesBesideTheGameAndAsksBeforeReplacing) {
  Run("export cabrillo k.log");
  EXPECT_EQ(Printed(), (Lines{"msg | Wrote 1 contact to k.log",
                              "msg | Skipped 1 log line that could not be read"}));
  std::ifstream in(folder / "k.log");
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "START-OF-LOG: 3.0\r");  // Cabrillo lines end CR LF

  Type("n\n");
  Run("export adif k.log");
  EXPECT_EQ(Printed(), (Lines{"ask | k.log exists, overwrite ?"}));

  Run("export adif " + (folder / "none" / "k.adi").string());
  EXPECT_EQ(Printed(), (Lines{"msg | Error writing file " + (folder / "none" / "k.adi").string()}));
}

TEST_F(AfterContestTest, contestEndAddsOneHistoryLineAndPrintsTheSummaryWithIt) {
  g.Day = 21, g.Hour = 3;
  RefreshDisplay(g);
  Run("tick");  // the session takes the contest's end up after the action
  const Lines printed = Printed();
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.front(), "msg | Contest is over");
  EXPECT_EQ(printed[1], "res | Contacts 1  Sections 1  Score 2  Q/hr -");
  EXPECT_EQ(printed.back(),
            "res | Run 2024-11-16T14:05:09  K1ABC  100 W  1 QSOs  1 sections  score 2  dupes 0  "
            "lids 0  op 00:00");

  RefreshDisplay(g);
  EXPECT_EQ(Printed(), (Lines{"msg | Contest is over"}));
  Run("results");
  EXPECT_EQ(Tagged("res | Run ").size(), 1u);  // still the one run
}

TEST_F(AfterContestTest, aHistoryThatCannotBeWrittenIsReportedAndTheSummaryStillShown) {
  std::filesystem::create_directory(folder / "tovk-history.csv");  // a folder in its way
  g.Day = 22;
  RefreshDisplay(g);
  Run("tick");
  const Lines printed = Printed();
  ASSERT_GE(printed.size(), 3u);
  EXPECT_EQ(printed[1], "msg | Error writing file " + (folder / "tovk-history.csv").string());
  EXPECT_EQ(printed[2], "res | Contacts 1  Sections 1  Score 2  Q/hr -");
}

}  // namespace
}  // namespace tovk::term
