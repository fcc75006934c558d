// The ADIF log: fields with their byte lengths, one record per contact.
#include "persist/adif.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk {
namespace {

TEST(AdifTest, fieldLengthsCountBytes) {
  EXPECT_EQ(AdifField("CALL", "K1ABC"), "<CALL:5>K1ABC");
  EXPECT_EQ(AdifField("CHECK", ""), "<CHECK:0>");
  EXPECT_EQ(AdifField("NAME", "J\xC3\xB6rg"), "<NAME:5>J\xC3\xB6rg");
}

TEST(AdifTest, recordOfAKnownContact) {
  const LoggedContact c{.day = 19,
                        .hour = 2,
                        .minute = 40,
                        .call = "W6XYZ",
                        .band = "20",
                        .number = 140,
                        .prec = "B",
                        .check = "52",
                        .section = "EBAY",
                        .serial = 37};
  EXPECT_EQ(AdifRecord(c, "Q1AAA"),
            "<CALL:5>W6XYZ <QSO_DATE:8>19771119 <TIME_ON:4>0240 <BAND:3>20m <MODE:3>SSB "
            "<CONTEST_ID:11>ARRL-SS-SSB <SRX:3>140 <STX:2>37 <PRECEDENCE:1>B <CHECK:2>52 "
            "<ARRL_SECT:4>EBAY <STATION_CALLSIGN:5>Q1AAA <EOR>");
}

TEST(AdifTest, handLoggedContactExports) {
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  g.Mycall = "Q1AAA";
  g.Lines(MemoId::Log) = {"1977/11/18|21:00|K1ABC     | 40| 99999999| Z | XX| CT  |    1"};
  std::ostringstream out;
  ExportResult result = ExportAdif(g, out);
  EXPECT_EQ(result.written, 1);
  EXPECT_EQ(result.skipped, 0);
  EXPECT_NE(out.str().find("<CALL:5>K1ABC <QSO_DATE:8>19771118 <TIME_ON:4>2100 <BAND:3>40m "
                           "<MODE:3>SSB <CONTEST_ID:11>ARRL-SS-SSB <SRX:8>99999999 <STX:1>1 "
                           "<PRECEDENCE:1>Z <CHECK:2>XX <ARRL_SECT:2>CT <STATION_CALLSIGN:5>Q1AAA "
                           "<EOR>"),
            std::string::npos)
      << out.str();
}

TEST(AdifTest, exportHasHeaderThenOneRecordPerContact) {
  testing::RecordingScreen screen;
  testing::ScriptedRandom random;
  Game g{screen, random};
  g.Mycall = "Q1AAA";
  g.Lines(MemoId::Log) = {
      "1977/11/18|21:00|- Start of operation",
      "1977/11/18|21:05|K1ABC     | 40|   12| B | 69| CT  |    1",
      "1977/11/18|21:07|K1ABC     | 40|   12| B | 69| CT  ",
      "1977/11/18|21:40|KA9ABCDEFG| 10| 1234| A | 71| NYLI| 1000",
  };
  std::ostringstream out;
  ExportResult result = ExportAdif(g, out);
  std::string text = out.str();

  EXPECT_NE(text.front(), '<');
  std::size_t header = text.find("<EOH>");
  ASSERT_NE(header, std::string::npos);
  EXPECT_LT(text.find("<ADIF_VER:5>3.1.0"), header);
  EXPECT_LT(text.find("<PROGRAMID:4>Tovk"), header);
  EXPECT_GT(text.find("<CALL:5>K1ABC"), header);
  EXPECT_NE(text.find("<CALL:10>KA9ABCDEFG"), std::string::npos);
  EXPECT_NE(text.find("<SRX:4>1234 <STX:4>1000"), std::string::npos);

  std::size_t records = 0;
  for (std::size_t at = 0; (at = text.find("<EOR>", at)) != std::string::npos; ++at) ++records;
  EXPECT_EQ(records, 2u);
  EXPECT_EQ(result.written, 2);
  EXPECT_EQ(result.skipped, 1);
}

}  // namespace
}  // namespace tovk
