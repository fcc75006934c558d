// Typing into and filling the exchange entry fields, and the right-click
// clearing of the incoming and outgoing windows.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

using EntryFieldsTest = GameTest;

TEST_F(EntryFieldsTest, typingMarksThePartForGoodInCapitalsCutToCapacity) {
  TypeField(g, Field::Editnumber, "1");
  TypeField(g, Field::Editnumber, "");
  EXPECT_TRUE(g.PartReceived[0]);

  TypeField(g, Field::Edithiscall, "w1abcdefghij");
  TypeField(g, Field::EditSection, "ORANGECOUNTY");
  EXPECT_EQ(g.Hiscall, "W1ABCDEFGH");
  EXPECT_EQ(g.Hissection, "ORANGE");
  // The screen is told only where the capitals changed what was typed.
  EXPECT_EQ(screen.events, Texts{"field|2|W1ABCDEFGHIJ"});
}

TEST_F(EntryFieldsTest, fillingAFieldWithTheTextItHoldsRunsNoHandler) {
  SetFieldText(g, Field::EditSection, "WI");
  g.PartReceived[5] = false;
  g.Hissection = "OH";
  SetFieldText(g, Field::EditSection, "WI");
  EXPECT_FALSE(g.PartReceived[5]);
  EXPECT_EQ(g.Hissection, "OH");
}

}  // namespace
}  // namespace tovk::testing
