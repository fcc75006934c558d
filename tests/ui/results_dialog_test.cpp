// The results summary and its chart, the Game menu's export entries, and the
// end of a contest in the window: one practice history line and the summary.
#include "results_dialog_test.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/export_log.h"
#include "engine/actions.h"
#include "persist/log_lines.h"
#include "persist/saved_game.h"
#include "support/robot.h"
#include "test_window.h"
#include "ui/rate_chart.h"
#include "ui/results_dialog.h"
#include "world/random.h"

namespace tovk::testing {
namespace {

namespace fs = std::filesystem;

QAction* GameEntry(QMenuBar* bar, const QString& caption) {
  for (QAction* menu : bar->actions()) {
    if (menu->text() != QStringLiteral("Game") || !menu->menu()) continue;
    for (QAction* entry : menu->menu()->actions()) {
      if (entry->text() == caption) return entry;
    }
  }
  return nullptr;
}

std::vector<std::string> FileLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Two contacts, an event line and a contact line edited by hand.
void PutKnownLog(Game& g) {
  g.Mycall = "K1ABC/3";
  g.Mynumber = 3;
  g.SectionsWorked = 2;
  for (const char* line : {"1977/11/18|21:00|- Start of operation",
                           "1977/11/18|21:05|W1AW      | 40|   12| B | 69| CT  |    1",
                           "1977/11/18|21:09|N2EQ  edited by hand",
                           "1977/11/19|00:40|VE3EJ     | 20|    3| A | 71| ONT |    2"})
    g.AppendLine(MemoId::Log, line);
}

// A whole contest played by the robot operator, saved as the Save button
// would save it.
std::string PlayedContest() {
  RobotScreen screen;
  SeededRandom random(11);
  Game g(screen, random);
  StartRobotContest(g, fs::path(TOVK_STATION_LIST).parent_path(), OptionsForSeed(11));
  Robot robot(g, screen, 11);
  while (!robot.Done()) robot.Step();
  std::ostringstream saved;
  WriteSavedGameTo(g, saved);
  return saved.str();
}

}  // namespace

void ResultsDialogTest::chartScaleGrowsInGridStepsAndLabelsTheContestHours() {
  const std::pair<int, int> steps[] = {{0, 1},  {5, 1},  {6, 2},   {10, 2},
                                       {11, 5}, {25, 5}, {26, 10}, {120, 50}};
  for (const auto& [busiest, step] : steps) QCOMPARE(ui::GridStep(busiest), step);

  ui::RateChart chart;
  QCOMPARE(chart.ScaleTop(), 5);  // an empty contest still has a scale
  ui::RateChart::HourCounts counts{};
  counts[7] = 7;
  chart.SetCounts(counts);
  QCOMPARE(chart.ScaleTop(), 8);
  counts[53] = 26;
  chart.SetCounts(counts);
  QCOMPARE(chart.ScaleTop(), 30);

  QCOMPARE(ui::HourLabel(0), QStringLiteral("21:00\nNov 18"));
  QCOMPARE(ui::HourLabel(3), QStringLiteral("00:00\nNov 19"));
  QCOMPARE(ui::HourLabel(kContestHours - 1), QStringLiteral("02:00\nNov 21"));
}

void ResultsDialogTest::summaryShowsFiguresBandsNeededSectionsAndHistory() {
  ResultsSummary summary;
  summary.contacts = 12, summary.sections = 3, summary.scoreText = "72", summary.rateText = "30";
  summary.dupes = 1, summary.lids = 2, summary.operatingTime = "00:24";
  summary.contactsPerBand = {0, 10, 2, 0, 0};
  summary.contactsPerHour[0] = 3, summary.contactsPerHour[1] = 9;
  summary.sectionsNeeded = {{"W1", {"CT", "EMA"}}, {"VE", {"NWT"}}};
  summary.unreadLines = 1;
  const std::vector<PracticeRun> runs = {
      {"2024-11-16T14:05:09", "K1ABC", 100, 10, 3, 60, 0, 1, "00:20", {}, {}},
      {"odd date", "K1ABC", 1000, 12, 3, 72, 1, 2, "00:24", {}, {}}};

  ui::ResultsDialog dialog;
  dialog.SetResults(summary, runs);
  QCOMPARE(dialog.FiguresText(), QStringLiteral("Contacts 12\nSections 3\nScore 72\nQ/hr 30\n"
                                                "Dupes 1\nLids 2\nOperating time 00:24\n"
                                                "1 log line could not be read\n"
                                                "80:0 40:10 20:2 15:0 10:0\n"
                                                "W1: CT EMA\nVE: NWT"));
  QCOMPARE(dialog.Chart()->Counts()[1], 9);
  QTableWidget* table = dialog.HistoryTable();
  QCOMPARE(table->rowCount(), 2);
  QCOMPARE(table->item(0, 0)->text(), QStringLiteral("2024-11-16 14:05"));
  QCOMPARE(table->item(1, 0)->text(), QStringLiteral("odd date"));
  QCOMPARE(table->item(1, 2)->text(), QStringLiteral("1000"));
  QCOMPARE(table->item(1, 8)->text(), QStringLiteral("00:24"));

  QVERIFY(dialog.LogCheckText().isEmpty());  // nothing copied by ear: no log check

  // A contest copied by ear shows its log check, and its runs their figures.
  LogCheck check;
  check.checked = 2, check.correct = 1, check.accuracy = 90;
  check.claimedScore = 12, check.checkedScore = 4;
  check.mistakes = {{3, Part::Call, "K1ABD", "K1ABC"}};
  std::vector<PracticeRun> checkedRuns = runs;
  checkedRuns[1].accuracy = 90, checkedRuns[1].checkedScore = 1234;
  dialog.SetResults(summary, checkedRuns, check);
  QCOMPARE(dialog.LogCheckText(),
           QStringLiteral("Log check: 2 contacts copied by ear, 1 correct, accuracy 90%\n"
                          "Checked score 4 (claimed 12)\nQSO 3 busted call K1ABD, right K1ABC"));
  QCOMPARE(table->item(1, 9)->text(), QStringLiteral("90%"));
  QCOMPARE(table->item(1, 10)->text(), QStringLiteral("1,234"));
  QVERIFY(table->item(0, 9)->text().isEmpty());

  // A second showing replaces everything: all sections worked, no history.
  summary.sectionsNeeded.clear();
  summary.unreadLines = 0;
  dialog.SetResults(summary, {});
  QVERIFY(dialog.LogCheckText().isEmpty());
  QVERIFY(dialog.FiguresText().endsWith(QStringLiteral("\nEvery section worked")));
  QVERIFY(!dialog.FiguresText().contains(QStringLiteral("could not be read")));
  QCOMPARE(table->rowCount(), 0);
  QVERIFY(!table->isVisibleTo(&dialog));
}

void ResultsDialogTest::chartIsSavedAsAPngAndAFailedSaveLeavesNothing() {
  QTemporaryDir dir;
  ui::ResultsDialog dialog;
  ResultsSummary summary;
  summary.contactsPerHour[5] = 4;
  dialog.SetResults(summary, {});
  dialog.show();
  const QString png = dir.filePath(QStringLiteral("rate.png"));
  QVERIFY(dialog.SaveChart(png));
  const QImage image(png, "PNG");
  QVERIFY(!image.isNull());
  QCOMPARE(image.size(), dialog.Chart()->grab().size());

  const QString nowhere = dir.filePath(QStringLiteral("missing/rate.png"));
  QVERIFY(!dialog.SaveChart(nowhere));
  QVERIFY(!QFile::exists(nowhere));

  QString asked;
  dialog.SetFileAsker([&](QWidget*, const QString& proposed) {
    asked = proposed;
    return QString();  // Cancel
  });
  dialog.SaveChartButton()->click();
  QCOMPARE(asked, QStringLiteral("rate.png"));
}

void ResultsDialogTest::exportAsksForAFileNamedAfterTheCallAndReportsTheCounts() {
  WindowFixture f;
  TestWindow& w = *f.window;
  PutKnownLog(w.game());

  f.window->chosenFiles = {"k.log"};  // a bare name lies in the game's folder
  GameEntry(w.menuBar(), QStringLiteral("Export Cabrillo..."))->trigger();
  QCOMPARE(w.fileRequests.back().fileName, std::string("K1ABC-3.log"));
  QCOMPARE(w.fileRequests.back().filter, std::string("Cabrillo logs|*.log;*.cbr|All files|*.*"));
  QVERIFY(w.fileRequests.back().save);
  QCOMPARE(w.messages.back(),
           std::string("Wrote 2 contacts to k.log\nSkipped 1 log line that could not be read"));
  const auto cabrillo = FileLines(f.Folder() / "k.log");
  QCOMPARE(cabrillo.front(), std::string("START-OF-LOG: 3.0"));
  QCOMPARE(cabrillo.back(), std::string("END-OF-LOG:"));

  f.window->chosenFiles = {(f.Folder() / "k.adi").string()};
  GameEntry(w.menuBar(), QStringLiteral("Export ADIF..."))->trigger();
  QCOMPARE(w.fileRequests.back().fileName, std::string("K1ABC-3.adi"));
  QCOMPARE(w.messages.back(),
           std::string("Wrote 2 contacts to k.adi\nSkipped 1 log line that could not be read"));

  // Cancelling the dialog writes and says nothing.
  const auto shown = w.messages.size();
  GameEntry(w.menuBar(), QStringLiteral("Export ADIF..."))->trigger();
  QCOMPARE(w.messages.size(), shown);
  QCOMPARE(w.game().busy, 0);
}

void ResultsDialogTest::exportAsksBeforeReplacingAFile() {
  WindowFixture f;
  TestWindow& w = *f.window;
  PutKnownLog(w.game());
  const fs::path file = f.Folder() / "keep.log";
  std::ofstream(file) << "kept\n";

  w.chosenFiles = {file.string()};
  w.answers = {false};
  const auto shown = w.messages.size();
  GameEntry(w.menuBar(), QStringLiteral("Export Cabrillo..."))->trigger();
  QCOMPARE(w.questions.back(), std::string("keep.log exists, overwrite ?"));
  QCOMPARE(FileLines(file), std::vector<std::string>{"kept"});
  QCOMPARE(w.messages.size(), shown);

  w.chosenFiles = {file.string()};
  w.answers = {true};
  GameEntry(w.menuBar(), QStringLiteral("Export Cabrillo..."))->trigger();
  QCOMPARE(FileLines(file).front(), std::string("START-OF-LOG: 3.0"));
}

void ResultsDialogTest::endOfARestoredContestAddsOneHistoryLineAndShowsTheSummary() {
  WindowFixture f;
  TestWindow& w = *f.window;
  Game& g = w.game();
  QVERIFY(GameEntry(w.menuBar(), QStringLiteral("Results...")));

  std::istringstream saved(PlayedContest());
  Perform(g, [&] {
    NewGame(g);
    QVERIFY(ReadSavedGameFrom(g, saved).ok);
    RefreshDisplay(g);
  });
  w.session().Tick();  // the session takes the contest's end up after an action
  QCOMPARE(w.messages.back(), std::string("Contest is over"));
  const fs::path history = f.Folder() / "tovk-history.csv";
  auto lines = FileLines(history);
  QCOMPARE(lines.size(), std::size_t(2));  // the header and this run
  QVERIFY(lines[1].find("," + g.Mycall.str() + ",") != std::string::npos);

  ui::ResultsDialog* results = w.ResultsWindow();
  QVERIFY(results && results->isVisible());
  QCOMPARE(results->HistoryTable()->rowCount(), 1);
  const ParsedLog log = ParseLog(g.Lines(MemoId::Log));
  int charted = 0;
  for (int count : results->Chart()->Counts()) charted += count;
  QCOMPARE(charted, int(log.contacts.size()));
  QVERIFY(results->FiguresText().startsWith(QStringLiteral("Contacts %1\n").arg(g.Mynumber - 1)));

  // Later actions repeat the message but not the history line.
  Perform(g, [&] { RefreshDisplay(g); });
  w.session().Tick();
  QCOMPARE(FileLines(history).size(), std::size_t(2));

  // For looking at by eye: TOVK_SCREENSHOT_DIR=dir keeps a picture.
  if (const QByteArray dir = qgetenv("TOVK_SCREENSHOT_DIR"); !dir.isEmpty())
    results->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/results.png"));
}

}  // namespace tovk::testing

QTEST_MAIN(tovk::testing::ResultsDialogTest)
