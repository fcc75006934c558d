// Typing into and filling the exchange entry fields, and the right-click
// clearing of the incoming and outgoing windows.
#include "engine/game_fixture.h"

namespace tovk::testing {
namespace {

using EntryFieldsTest = GameTest;

TEST_F(EntryFieldsTest, typingMarksThePartForGoodInCapitalsCutToCapacity) {
  TypeField(g, Field::Number, "1");
  TypeField(g, Field::Number, "");
  EXPECT_TRUE(g.PartReceived[Part::Number]);

  TypeField(g, Field::Call, "w1abcdefghij");
  TypeField(g, Field::Section, "ORANGECOUNTY");
  EXPECT_EQ(g.Hiscall, "W1ABCDEFGH");
  EXPECT_EQ(g.Hissection, "ORANGE");
  // The screen is told only where the capitals changed what was typed.
  EXPECT_EQ(screen.events, Texts{"field|2|W1ABCDEFGHIJ"});
}

TEST_F(EntryFieldsTest, fillingAFieldWithTheTextItHoldsRunsNoHandler) {
  SetFieldText(g, Field::Section, "WI");
  g.PartReceived[Part::Section] = false;
  g.Hissection = "OH";
  SetFieldText(g, Field::Section, "WI");
  EXPECT_FALSE(g.PartReceived[Part::Section]);
  EXPECT_EQ(g.Hissection, "OH");
}

}  // namespace
}  // namespace tovk::testing
