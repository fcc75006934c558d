// The end of the contest left for the application: once per contest, however
// often the "Contest is over" message comes back, and again after a new game
// or a restored game.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "engine/actions.h"
#include "persist/saved_game.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk::testing {
namespace {

class ContestEndTest : public ::testing::Test {
 protected:
  void RunOutTheClock() { g.Day = 21, g.Hour = 3, g.Minute = 0; }

  // The display refresh, and the end it leaves for the application to take up.
  void Refresh() {
    RefreshDisplay(g);
    if (!std::exchange(g.contestEndPending, false)) return;
    ++ends;
    messagesBeforeEnd = screen.messages.size();
  }

  int ends = 0;
  std::size_t messagesBeforeEnd = 0;
  RecordingScreen screen;
  ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(ContestEndTest, reportedOnceAfterTheMessageHoweverOftenTheDisplayRefreshes) {
  Refresh();
  EXPECT_EQ(ends, 0);

  RunOutTheClock();
  Refresh();
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(messagesBeforeEnd, 1u);  // "Contest is over" comes first
  EXPECT_FALSE(g.IsEnabled(Button::CallCq));

  Refresh();
  Refresh();
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(screen.TakeMessages().size(), 3u);  // the message itself still repeats
}

TEST_F(ContestEndTest, aNewGameEndsAgainOnce) {
  RunOutTheClock();
  Refresh();
  NewGame(g);
  Refresh();
  EXPECT_EQ(ends, 1);  // the new contest has only begun

  g.OpHours = 24;
  Refresh();
  Refresh();
  EXPECT_EQ(ends, 2);
}

TEST_F(ContestEndTest, aRestoredGameThatIsOverIsReportedAgain) {
  RunOutTheClock();
  Refresh();
  std::ostringstream saved;
  ASSERT_TRUE(WriteSavedGameTo(g, saved).ok);

  std::istringstream in(saved.str());
  ASSERT_TRUE(ReadSavedGameFrom(g, in).ok);
  EXPECT_FALSE(g.contestEndHandled);
  Refresh();
  EXPECT_EQ(ends, 2);
}

}  // namespace
}  // namespace tovk::testing
