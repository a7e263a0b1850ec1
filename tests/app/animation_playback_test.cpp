// Animation playback: the frame sequence of every play mode tick by tick (ends included),
// stepping by hand, and the player's timer that runs only while an animation plays.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/animation_playback.h"
#include "common/globals.h"

using namespace curvanta;

namespace {

struct TickCase {
  const char* name;
  PlaybackState start;
  bool chooseMode;  // start through the mode entry (which sets its own start frame)
  int ticks;
  std::vector<int32_t> shown;
  bool runningAfter;
};

// The timer stops ticking once a run ends; later ticks are not counted.
std::vector<int32_t> Play(PlaybackState& s, bool chooseMode, int ticks, int32_t n) {
  if (chooseMode)
    PlaybackChooseMode(s, s.mode, n);
  else
    PlaybackStart(s, n);
  std::vector<int32_t> shown;
  for (int i = 0; i < ticks && s.running; ++i)
    if (auto f = PlaybackTick(s, n)) shown.push_back(*f);
  return shown;
}

}  // namespace

TEST(PlaybackTick, EveryModeFromItsStartWithThreeSteps) {
  using M = PlayMode;
  const TickCase cases[] = {
      {"forward once", {7, M::ForwardOnce, false, false}, true, 9, {1, 2, 3, 4, 1}, false},
      {"backward once", {2, M::BackwardOnce, false, false}, true, 9, {4, 3, 2, 1}, false},
      {"forward loop from 1", {1, M::ForwardLoop, false, false}, true, 8, {1, 2, 3, 4, 2, 3, 4, 2}, true},
      {"back and forth from 1", {1, M::BackAndForth, false, false}, true, 11,
       {1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 3}, true},
      {"back and forth from the last", {4, M::BackAndForth, false, false}, true, 5, {4, 3, 2, 1, 2}, true},
      // Start again after a finished run.
      {"start after forward once", {1, M::ForwardOnce, false, false}, false, 9, {2, 3, 4, 1}, false},
      {"start after backward once", {1, M::BackwardOnce, false, false}, false, 9, {4, 3, 2, 1}, false},
      // Back and forth chosen right after backward once: the start frame N + 2 is shown
      // first (the drawing shows the last frame for it), then the run turns down.
      {"back and forth from N + 2", {5, M::BackAndForth, false, false}, true, 6, {5, 4, 3, 2, 1, 2}, true},
      {"by hand: ticks draw nothing", {2, M::Manual, false, false}, false, 5, {}, true},
  };
  for (const TickCase& c : cases) {
    PlaybackState s = c.start;
    EXPECT_EQ(Play(s, c.chooseMode, c.ticks, 3), c.shown) << c.name;
    EXPECT_EQ(s.running, c.runningAfter) << c.name;
    if (!c.runningAfter) {
      EXPECT_EQ(s.frame, 1) << c.name;
    }
  }
}

TEST(PlaybackTick, StepsByHandStopAtTheEnds) {
  PlaybackState s{1, PlayMode::ForwardLoop, false, true};
  std::vector<int32_t> shown;
  for (int i = 0; i < 5; ++i)
    if (auto f = PlaybackNext(s, 3)) shown.push_back(*f);
  EXPECT_EQ(shown, (std::vector<int32_t>{2, 3, 4}));
  EXPECT_EQ(s.frame, 4);
  EXPECT_EQ(s.mode, PlayMode::Manual);
  EXPECT_TRUE(s.running);  // stepping by hand leaves the timer alone; its ticks do nothing
  shown.clear();
  for (int i = 0; i < 5; ++i)
    if (auto f = PlaybackPrevious(s)) shown.push_back(*f);
  EXPECT_EQ(shown, (std::vector<int32_t>{3, 2, 1}));
  EXPECT_EQ(PlaybackLast(s, 3), 4);
  EXPECT_EQ(PlaybackFirst(s), 1);
}

TEST(PlaybackTick, IntervalFollowsTheSpeedAndNeverFallsBelowOneMillisecond) {
  const std::pair<int32_t, int> cases[] = {{1, 1000}, {2, 500}, {10, 100}, {16, 62},
                                           {400, 2}, {667, 1}, {1000, 1}, {5000, 1}, {0, 1000}};
  for (auto [speed, ms] : cases) EXPECT_EQ(PlaybackInterval(speed), ms) << speed;
}

class Player : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    AnimFrameCount = 3;
  }
  void TearDown() override { ResetGlobals(); }
  std::vector<int32_t> drawn;
  AnimationPlayer player{[this](int32_t f) { drawn.push_back(f); }};
};

TEST_F(Player, TheTimerRunsOnlyWhilePlaying) {
  EXPECT_FALSE(player.timer()->isActive());
  EXPECT_EQ(player.timer()->interval(), 100);
  player.ChooseMode(PlayMode::ForwardLoop);
  EXPECT_TRUE(player.timer()->isActive());
  EXPECT_TRUE(drawn.empty());  // starting draws nothing until the first tick
  player.Tick();
  player.Tick();
  EXPECT_EQ(drawn, (std::vector<int32_t>{1, 2}));
  // Pause keeps the frame and stops the timer; start goes on from there.
  player.Pause();
  EXPECT_FALSE(player.timer()->isActive());
  EXPECT_EQ(AnimFrame, 3);
  player.Start();
  player.Tick();
  EXPECT_EQ(drawn.back(), 3);
  // Stop goes back to the first frame and draws it.
  player.Stop();
  EXPECT_FALSE(player.timer()->isActive());
  EXPECT_EQ(AnimFrame, 1);
  EXPECT_EQ(drawn.back(), 1);
}

TEST_F(Player, AFinishedRunStopsTheTimer) {
  player.ChooseMode(PlayMode::BackwardOnce);
  for (int i = 0; i < 4; ++i) player.Tick();
  EXPECT_EQ(drawn, (std::vector<int32_t>{4, 3, 2, 1}));
  EXPECT_FALSE(player.timer()->isActive());
  EXPECT_EQ(AnimFrame, 1);
}

TEST_F(Player, StepsBeyondTheEndsDrawNothing) {
  player.Last();
  player.Next();
  player.First();
  player.Previous();
  EXPECT_EQ(drawn, (std::vector<int32_t>{4, 1}));
  EXPECT_EQ(player.mode(), PlayMode::Manual);
}

TEST_F(Player, ZeroIntervalBecomesOneMillisecond) {
  player.SetInterval(0);
  EXPECT_EQ(player.timer()->interval(), 1);
}
