// Reading logbook lines back: contact lines as logging writes them, event
// lines, and lines that follow neither layout.
#include "persist/log_lines.h"

#include <gtest/gtest.h>

#include "engine/contact_fixture.h"

namespace tovk {
namespace {

TEST(LogLinesTest, readsEveryColumnOfAContactLine) {
  LogLine line = ParseLogLine("1977/11/19|02:40|W6XYZ     | 20|  140| B | 52| EBAY|   37");
  ASSERT_EQ(line.kind, LogLineKind::Contact);
  const LoggedContact& c = line.contact;
  EXPECT_EQ(c.day, 19);
  EXPECT_EQ(c.hour, 2);
  EXPECT_EQ(c.minute, 40);
  EXPECT_EQ(c.call, "W6XYZ");
  EXPECT_EQ(c.band, "20");
  EXPECT_EQ(c.number, 140);
  EXPECT_EQ(c.prec, "B");
  EXPECT_EQ(c.check, "52");
  EXPECT_EQ(c.section, "EBAY");
  EXPECT_EQ(c.serial, 37);
}

TEST(LogLinesTest, numbersWiderThanTheirColumnStillRead) {
  LogLine line = ParseLogLine("1977/11/20|13:07|KA9ABCDEFG| 10| 12345| A | 76| ND  | 10001");
  ASSERT_EQ(line.kind, LogLineKind::Contact);
  EXPECT_EQ(line.contact.call, "KA9ABCDEFG");
  EXPECT_EQ(line.contact.number, 12345);
  EXPECT_EQ(line.contact.serial, 10001);
}

TEST(LogLinesTest, eventLinesAreToldApartFromContacts) {
  EXPECT_EQ(ParseLogLine("1977/11/18|21:00|- Start of operation").kind, LogLineKind::Event);
  EXPECT_EQ(ParseLogLine("1977/11/19|00:10|- Timeout for 2 Hours, and 30 minutes").kind,
            LogLineKind::Event);
  EXPECT_EQ(ParseLogLine("1977/11/19|00:10|- Timeout for 45 minutes").kind, LogLineKind::Event);
  EXPECT_EQ(ParseLogLine("1977/11/20|09:12| - End of operation").kind, LogLineKind::Event);
  EXPECT_EQ(ParseLogLine("").kind, LogLineKind::Blank);
  EXPECT_EQ(ParseLogLine("   \r").kind, LogLineKind::Blank);
}

// Every contact line the game can write reads back, whatever the widths of
// what was typed or held when it was logged.
TEST(LogLinesTest, everyLineLoggingCanWriteReadsBack) {
  struct Case {
    const char* line;
    const char* call;
    int number;
    const char* prec;
    const char* check;
    const char* section;
    int serial;
  };
  const Case cases[] = {
      // Logged by hand before any station called.
      {"1977/11/18|21:00|K1ABC     | 40| 99999999| Z | XX| CT  |    1", "K1ABC", 99999999, "Z",
       "XX", "CT", 1},
      {"1977/11/18|21:05|K1A       | 40|   12| B | 69| Z   |    2", "K1A", 12, "B", "69", "Z", 2},
      // The callsign and section as the older layout cut them, without filling.
      {"1977/11/18|21:05|K1A      | 40|   12| B | 69| Z  |    3", "K1A", 12, "B", "69", "Z", 3},
      {"1977/11/18|21:05|K1 ABC    | 40|   12| B | 69| N Y |    4", "K1 ABC", 12, "B", "69", "N Y",
       4},
      {"1977/11/18|21:05|K\xC3\x89"
       "ABC     | 40|   12| B | 69| CT  |    5",
       "K\xC3\x89"
       "ABC",
       12, "B", "69", "CT", 5},
      {"1977/11/18|21:05|K1|ABC    | 40|   12| B | 69| C|T |    6", "K1|ABC", 12, "B", "69", "C|T",
       6},
  };
  for (const Case& c : cases) {
    LogLine line = ParseLogLine(c.line);
    ASSERT_EQ(line.kind, LogLineKind::Contact) << c.line;
    EXPECT_EQ(line.contact.call, c.call) << c.line;
    EXPECT_EQ(line.contact.band, "40") << c.line;
    EXPECT_EQ(line.contact.number, c.number) << c.line;
    EXPECT_EQ(line.contact.prec, c.prec) << c.line;
    EXPECT_EQ(line.contact.check, c.check) << c.line;
    EXPECT_EQ(line.contact.section, c.section) << c.line;
    EXPECT_EQ(line.contact.serial, c.serial) << c.line;
  }
}

TEST(LogLinesTest, linesTheGameCannotWriteAreBroken) {
  const char* broken[] = {
      "hello",
      "1977/12/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1",    // not November 1977
      "1977/11/18|24:05|K1ABC     | 40|   12| B | 69| CT  |    1",    // no such hour
      "1977/11/18|21:5|K1ABC     | 40|   12| B | 69| CT  |    1",     // minute of one digit
      "1977/11/18|21:05|K1ABCDEFGHI| 40|   12| B | 69| CT  |    1",   // callsign of 11
      "1977/11/18|21:05|          | 40|   12| B | 69| CT  |    1",    // no callsign
      "1977/11/18|21:05|K1ABC     | 99|   12| B | 69| CT  |    1",    // no such band
      "1977/11/18|21:05|K1ABC     | 40|   1x| B | 69| CT  |    1",    // number not a number
      "1977/11/18|21:05|K1ABC     | 40|   12| BB| 69| CT  |    1",    // precedence of two letters
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 6969| CT  |    1",  // check of four
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69|     |    1",    // no section
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CTCTC|    1",   // section of five
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    0",    // own number 0
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  ",          // own number missing
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1| 5",
  };
  for (const char* text : broken) EXPECT_EQ(ParseLogLine(text).kind, LogLineKind::Broken) << text;
}

TEST(LogLinesTest, aLogCountsBrokenLinesButNotEventsOrBlanks) {
  ParsedLog log = ParseLog({
      "1977/11/18|21:00|- Start of operation",
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1",
      "",
      "1977/11/18|21:06|N2EQ  edited by hand",
      "1977/11/18|21:09|W6XYZ     | 40|    9| B | 52| SF  |    3",
      "1977/11/18|22:00| - End of operation",
  });
  ASSERT_EQ(log.contacts.size(), 2u);
  EXPECT_EQ(log.contacts[1].call, "W6XYZ");
  EXPECT_EQ(log.broken, 1);
}

TEST(LogLinesTest, contestHoursCountFromTheStartOnDayEighteen) {
  auto hour = [](int day, int h, int m) {
    LoggedContact contact;
    contact.day = day;
    contact.hour = h;
    contact.minute = m;
    return ContestHour(contact);
  };
  EXPECT_EQ(hour(18, 21, 0), 0);
  EXPECT_EQ(hour(18, 23, 59), 2);
  EXPECT_EQ(hour(19, 0, 0), 3);
  EXPECT_EQ(hour(21, 2, 59), kContestHours - 1);
}

// The lines that "Log QSO" writes read back as the contact that was logged.
class LoggedLineTest : public testing::ContactTest {};

TEST_F(LoggedLineTest, aLoggedContactReadsBackAsLogged) {
  Pool({{"KA9ABCDEFG", 34}});
  InHand(0, "  12", "B", "69", "EBAY");
  g.Mynumber = 7;
  g.Day = 19;
  g.HourText = "03";
  g.MinuteText = "05";
  g.ExchangeSent = true;
  g.PartReceived.fill(true);
  Script({9});  // no next caller
  LogQso(g);

  ASSERT_FALSE(Logbook().empty());
  LogLine line = ParseLogLine(Logbook().back());
  ASSERT_EQ(line.kind, LogLineKind::Contact) << Logbook().back();
  EXPECT_EQ(line.contact.day, 19);
  EXPECT_EQ(line.contact.hour, 3);
  EXPECT_EQ(line.contact.minute, 5);
  EXPECT_EQ(line.contact.call, "KA9ABCDEFG");
  EXPECT_EQ(line.contact.band, "20");
  EXPECT_EQ(line.contact.number, 12);
  EXPECT_EQ(line.contact.prec, "B");
  EXPECT_EQ(line.contact.check, "69");
  EXPECT_EQ(line.contact.section, "EBAY");
  EXPECT_EQ(line.contact.serial, 7);
}

}  // namespace
}  // namespace tovk
