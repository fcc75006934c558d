// Clearing the contact in hand and changing band.
#include "engine/game_fixture.h"
#include "world/section_map.h"

namespace tovk::testing {
namespace {

class ClearQsoTest : public GameTest {
 protected:
  void FillContact() {
    SetFieldText(g, Field::Call, "K1ABC");
    SetFieldText(g, Field::Section, "CT");
    g.PartReceived[Part::Signoff] = true;
    g.StationState = ssCalledMe;
    g.ExchangeSent = true;
    UpdateSectionDisplay(g, 0);  // highlights the area of CT
  }
};

TEST_F(ClearQsoTest, emptiesFieldsThroughTheirHandlersThenForgetsEveryPart) {
  FillContact();
  ClearContact(g);
  EXPECT_EQ(g.fieldText[2], "");
  EXPECT_EQ(g.PartReceived.entries(), (std::array<bool, 8>{}));
  EXPECT_EQ(g.Hiscall, "");
  EXPECT_EQ(g.StationState, ssNone);
  EXPECT_FALSE(g.ExchangeSent);
  EXPECT_EQ(g.areaBoxColour[0], kClBtnFace);

  g.Hiscall = "W6XYZ";  // empty fields leave the station's callsign alone
  ClearContact(g);
  EXPECT_EQ(g.Hiscall, "W6XYZ");
}

TEST_F(ClearQsoTest, onlyAnotherBandClearsTheContact) {
  g.Band = "40";
  FillContact();
  SelectBand(g, "40");
  EXPECT_EQ(g.StationState, ssCalledMe);
  SelectBand(g, "20");
  EXPECT_EQ(g.Band, "20");
  EXPECT_EQ(g.StationState, ssNone);
}

}  // namespace
}  // namespace tovk::testing
