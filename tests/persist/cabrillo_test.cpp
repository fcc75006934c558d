// The Cabrillo log: header, the fixed columns of a QSO line, what is left out.
#include "persist/cabrillo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

LoggedContact KnownContact() {
  LoggedContact c;
  c.day = 18;
  c.hour = 21;
  c.minute = 5;
  c.call = "K1ABC";
  c.band = "40";
  c.number = 12;
  c.prec = "B";
  c.check = "69";
  c.section = "CT";
  c.serial = 1;
  return c;
}

TEST(CabrilloTest, qsoLineKeepsEveryFieldInItsColumns) {
  std::string line = CabrilloQsoLine(KnownContact(), "Q1AAA", "A", "68", "MDC");
  struct Column {
    std::size_t first, last;
    const char* text;
  };
  for (Column c : std::vector<Column>{{6, 10, " 7200"},
                                      {12, 13, "PH"},
                                      {15, 24, "1977-11-18"},
                                      {26, 29, "2105"},
                                      {31, 40, "Q1AAA     "},
                                      {42, 45, "   1"},
                                      {47, 47, "A"},
                                      {49, 50, "68"},
                                      {52, 54, "MDC"},
                                      {56, 65, "K1ABC     "},
                                      {67, 70, "  12"},
                                      {72, 72, "B"},
                                      {74, 75, "69"},
                                      {77, 78, "CT"}}) {
    EXPECT_EQ(line.substr(c.first - 1, c.last - c.first + 1), c.text) << c.first;
  }
  EXPECT_EQ(line.size(), 78u);
}

TEST(CabrilloTest, eachBandHasItsFrequency) {
  LoggedContact c = KnownContact();
  std::vector<std::pair<std::string, std::string>> bands = {
      {"80", " 3800"}, {"40", " 7200"}, {"20", "14250"}, {"15", "21300"}, {"10", "28500"}};
  for (const auto& [band, frequency] : bands) {
    c.band = band;
    EXPECT_EQ(CabrilloQsoLine(c, "Q1AAA", "A", "68", "MDC").substr(5, 5), frequency);
  }
}

TEST(CabrilloTest, fourLetterSectionsAreWrittenWholeAndNeverMerge) {
  LoggedContact c = KnownContact();
  c.section = "EBAY";
  std::string line = CabrilloQsoLine(c, "Q1AAA", "A", "68", "MDC");
  EXPECT_EQ(line.substr(76), "EBAY");

  // A sent section of four letters pushes what follows on by one blank only.
  line = CabrilloQsoLine(c, "Q1AAA", "A", "68", "NYLI");
  EXPECT_EQ(Words(line),
            (std::vector<std::string>{"QSO:", "7200", "PH", "1977-11-18", "2105", "Q1AAA", "1", "A",
                                      "68", "NYLI", "K1ABC", "12", "B", "69", "EBAY"}));
}

// A contact logged by hand before any station called: a number of eight
// digits, precedence "Z", check "XX". Every field keeps its own word and the
// fields that fit stay in their columns.
TEST(CabrilloTest, handLoggedContactExportsWithEveryFieldApart) {
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  g.Mycall = "Q1AAA";
  g.Lines(MemoId::Log) = {"1977/11/18|21:00|K1ABC     | 40| 99999999| Z | XX| CT  |    1",
                          "1977/11/18|21:02|K1 AB     | 40|   12| B | 69| Z   |    2"};
  std::ostringstream out;
  ExportResult result = ExportCabrillo(g, out);
  EXPECT_EQ(result.written, 2);
  EXPECT_EQ(result.skipped, 0);
  std::vector<std::string> qsos;
  for (const std::string& line : Lines(out.str())) {
    if (line.starts_with("QSO:")) qsos.push_back(line);
  }
  ASSERT_EQ(qsos.size(), 2u);
  EXPECT_EQ(Words(qsos[0]),
            (std::vector<std::string>{"QSO:", "7200", "PH", "1977-11-18", "2100", "Q1AAA", "1", "A",
                                      "68", "MDC", "K1ABC", "99999999", "Z", "XX", "CT"}));
  EXPECT_EQ(qsos[0].substr(55, 10), "K1ABC     ");
  EXPECT_EQ(qsos[0].substr(66, 8), "99999999");
  EXPECT_EQ(Words(qsos[1]).at(10), "K1AB");  // a blank typed in a callsign splits no field
  EXPECT_EQ(Words(qsos[1]).back(), "Z");
}

class CabrilloExportTest : public ::testing::Test {
 protected:
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};

  CabrilloExportTest() {
    g.Mycall = "Q1AAA";
    g.Myprec = "A";
    g.Mycheck = "68";
    g.Mynumber = 3;
    g.SectionsWorked = 2;
    g.Lines(MemoId::Log) = {
        "1977/11/18|21:00|- Start of operation",
        "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1",
        "1977/11/18|21:09|N2EQ  edited by hand",
        "1977/11/18|21:40|N2EQ      | 80|    3| A | 71| NYLI|    2",
        "1977/11/19|00:10|- Timeout for 2 Hours, and 30 minutes",
    };
  }

  std::vector<std::string> Export(ExportResult& result) {
    std::ostringstream out;
    result = ExportCabrillo(g, out);
    return Lines(out.str());
  }
};

TEST_F(CabrilloExportTest, headerNamesTheContestStationAndClaimedScore) {
  ExportResult result;
  std::vector<std::string> lines = Export(result);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "START-OF-LOG: 3.0");
  EXPECT_EQ(lines.back(), "END-OF-LOG:");
  auto has = [&lines](const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
  };
  EXPECT_TRUE(has("CONTEST: ARRL-SS-SSB"));
  EXPECT_TRUE(has("CALLSIGN: Q1AAA"));
  EXPECT_TRUE(has("LOCATION: MDC"));
  EXPECT_TRUE(has("CATEGORY-POWER: LOW"));
  EXPECT_TRUE(has("CLAIMED-SCORE: 8"));
  EXPECT_TRUE(has("CREATED-BY: Tovk 1.0"));

  g.Myprec = "B";
  lines = Export(result);
  EXPECT_TRUE(has("CATEGORY-POWER: HIGH"));
}

TEST_F(CabrilloExportTest, writesContactsInLogOrderAndCountsTheUnreadableLine) {
  ExportResult result;
  std::vector<std::string> lines = Export(result);
  std::vector<std::string> qsos;
  for (const std::string& line : lines) {
    if (line.starts_with("QSO:")) qsos.push_back(line);
  }
  ASSERT_EQ(qsos.size(), 2u);
  EXPECT_EQ(Words(qsos[0])[10], "K1ABC");
  EXPECT_EQ(Words(qsos[1])[10], "N2EQ");
  EXPECT_EQ(Words(qsos[1])[6], "2");  // the contact's own serial number
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.written, 2);
  EXPECT_EQ(result.skipped, 1);
}

TEST_F(CabrilloExportTest, aFileIsWrittenWholeOrNotAtAll) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "tovk-cabrillo-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  ExportResult result = ExportCabrilloFile(g, folder / "ss.log");
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.written, 2);
  std::ifstream in(folder / "ss.log", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(text.starts_with("START-OF-LOG: 3.0\r\n"));
  EXPECT_TRUE(text.ends_with("END-OF-LOG:\r\n"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);

  result = ExportCabrilloFile(g, folder / "missing" / "ss.log");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Error writing file " + (folder / "missing" / "ss.log").string());
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tovk
