// The end of the contest reported to the front-end: once per contest, however
// often the "Contest is over" message comes back, and again after a new game
// or a restored game.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/actions.h"
#include "persist/saved_game.h"
#include "support/recording_screen.h"
#include "support/scripted_random.h"

namespace tovk::testing {
namespace {

class EndCountingScreen : public RecordingScreen {
 public:
  void ContestEnded() override {
    ++contestEnded;
    messagesBeforeEnd = messages.size();
  }
  int contestEnded = 0;
  std::size_t messagesBeforeEnd = 0;
};

class ContestEndTest : public ::testing::Test {
 protected:
  void RunOutTheClock() { g.Day = 21, g.Hour = 3, g.Minute = 0; }

  EndCountingScreen screen;
  ScriptedRandom random;
  Game g{screen, random};
};

TEST_F(ContestEndTest, reportedOnceAfterTheMessageHoweverOftenTheDisplayRefreshes) {
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 0);

  RunOutTheClock();
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 1);
  EXPECT_EQ(screen.messagesBeforeEnd, 1u);  // "Contest is over" comes first
  EXPECT_FALSE(g.IsEnabled(Button::ToolButtonCallCQ));

  RefreshDisplay(g);
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 1);
  EXPECT_EQ(screen.TakeMessages().size(), 3u);  // the message itself still repeats
}

TEST_F(ContestEndTest, aNewGameEndsAgainOnce) {
  RunOutTheClock();
  RefreshDisplay(g);
  NewGame(g);
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 1);  // the new contest has only begun

  g.OpHours = 24;
  RefreshDisplay(g);
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 2);
}

TEST_F(ContestEndTest, aRestoredGameThatIsOverIsReportedAgain) {
  RunOutTheClock();
  RefreshDisplay(g);
  std::ostringstream saved;
  ASSERT_TRUE(WriteSavedGameTo(g, saved).ok);

  std::istringstream in(saved.str());
  ASSERT_TRUE(ReadSavedGameFrom(g, in).ok);
  EXPECT_FALSE(g.contestEndHandled);
  RefreshDisplay(g);
  EXPECT_EQ(screen.contestEnded, 2);
}

}  // namespace
}  // namespace tovk::testing
