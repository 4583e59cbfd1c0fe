// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/BubbleCore.h"
#include "core/ShotEffects.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

class ShotResolution : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SoundOn = 1;
  }

  // Lands a ball as the flight does: the colour goes into the cell, then the shot is
  // resolved. BallCount is the count of the bubbles already there.
  static void Land(int col, int row, int color) {
    BallCount = static_cast<int16_t>(CountOccupied());
    Board[CellIndex(col, row)] = static_cast<int16_t>(color);
    int16_t c = static_cast<int16_t>(col);
    int16_t r = static_cast<int16_t>(row);
    ResolveShot(c, r);
  }
};

TEST_F(ShotResolution, GroupOfTwoBurstsNothingRunsNoDropSearchAndStillDings) {
  Place({{0, 0, 2}, {5, 5, 3}});  // (5, 5) hangs from nothing
  Land(1, 0, 2);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(CountOccupied(), 3);
  EXPECT_EQ(BallCount, 3);
  EXPECT_EQ(log, (EventLog{"play Ding"}));
}

TEST_F(ShotResolution, GroupOfThreeSplashesAtItsMiddleEntryAndGroupOfFourDoesNot) {
  Place({{4, 1, 2}, {5, 1, 2}});
  Land(6, 1, 2);  // found in the order (6, 1), (5, 1), (4, 1)
  EXPECT_EQ(Score, 30);
  EXPECT_EQ(CountOccupied(), 0);
  EXPECT_EQ(BallCount, 0);
  EXPECT_EQ(log, (EventLog{"splash 407,85.9808", "drop init", "play Ding"}));

  log.clear();
  Place({{3, 0, 6}, {4, 0, 6}, {5, 0, 6}});
  Land(6, 0, 6);
  EXPECT_EQ(Score, 70);
  EXPECT_EQ(log, (EventLog{"drop init", "play Ding"}));
}

TEST_F(ShotResolution, BubblesOfTheColourReachableOnlyThroughAnotherColourStay) {
  Place({{0, 0, 1}, {1, 0, 1}, {2, 0, 3}, {3, 0, 1}, {4, 0, 1}});
  Land(1, 1, 1);
  EXPECT_EQ(Score, 30);
  EXPECT_EQ(Board[CellIndex(3, 0)], 1);
  EXPECT_EQ(Board[CellIndex(4, 0)], 1);
  EXPECT_EQ(CountOccupied(), 3);
}

TEST_F(ShotResolution, OnlyUnlinkedBubblesFallAndReachTheEffectColumnByColumnTopToBottom) {
  Place({{4, 0, 2},
         {5, 0, 2},  // the group the ball completes
         {5, 1, 3},
         {6, 1, 5},
         {5, 2, 4},  // hanging only from the group
         {9, 0, 4},
         {9, 1, 5},
         {8, 2, 6}});  // a chain of other colours from row 0
  Land(6, 0, 2);
  EXPECT_EQ(log, (EventLog{"splash 407,60", "drop init", "drop 150,26 c3", "drop 165,52 c4",
                           "drop 180,26 c5", "play Ding"}));
  EXPECT_EQ(Score, 3 * 10 + 3 * 20);
  EXPECT_EQ(CountOccupied(), 3);
  EXPECT_EQ(BallCount, 3);
}

TEST_F(ShotResolution, BombAtTheLeftEdgeOfAnEvenRowBlastsItsFiveNeighbours) {
  Place({{0, 0, 1},
         {1, 0, 1},
         {2, 0, 1},
         {0, 1, 2},
         {1, 1, 2},
         {2, 1, 6},
         {1, 2, 3},
         {2, 2, 6},
         {0, 3, 4},
         {1, 3, 5}});
  Land(0, 2, BombColor);
  EXPECT_EQ(log, (EventLog{"boom -35,2", "splash 257,137.942", "drop init", "play bomb"}));
  EXPECT_EQ(Score, 60);
  for (const Cell& gone :
       {Cell{0, 1}, Cell{1, 1}, Cell{1, 2}, Cell{0, 3}, Cell{1, 3}, Cell{0, 2}}) {
    EXPECT_EQ(Board[CellIndex(gone.col, gone.row)], 0) << gone.col << "," << gone.row;
  }
  EXPECT_EQ(CountOccupied(), 5);
  EXPECT_EQ(BallCount, 5);
}

TEST_F(ShotResolution, BombInAnOddRowBlastsRowZeroAndItsEffectsStartWithoutTheHalfCell) {
  Place({{4, 0, 1}, {5, 0, 1}, {6, 0, 1}});
  Land(5, 1, BombColor);
  // The explosion at the bomb's corner (150, 25.98) less 50; the splash below the bomb at
  // the column left of it, 30 x 4 + 257, one row down.
  EXPECT_EQ(log, (EventLog{"boom 100,-24", "splash 377,111.962", "drop init", "play bomb"}));
  EXPECT_EQ(Score, 30);
  EXPECT_EQ(Board[CellIndex(6, 0)], 1);
  EXPECT_EQ(CountOccupied(), 1);
  EXPECT_EQ(BallCount, 1);
}

// Notes the level each time a falling bubble is handed over, just before it is scored.
class LevelAtEachDrop final : public ShotEffects {
 public:
  void BoomInit(int16_t, int16_t) override {}
  void DropInit() override {}
  void DropAdd(int16_t, int16_t, int16_t) override { levels.push_back(Level); }
  void WaterPointInit(double, double) override {}
  std::vector<int16_t> levels;
};

TEST_F(ShotResolution, FirstScoreSetsTheSixtyFrameLimitAndTheLevelRisesAtTheCrossingBubble) {
  PushLimit = 1000;
  PushTick = 500;
  Place({{4, 0, 2}, {5, 0, 2}});
  Land(6, 0, 2);
  EXPECT_EQ(PushLimit, 1200);
  EXPECT_EQ(PushTick, 500);
  EXPECT_EQ(Level, 0);
  EXPECT_EQ(Lvlup.FramesLeft(), 0);

  // 1560 + 30 for the group, then two falling bubbles: the first crosses 1600.
  LevelAtEachDrop effects;
  SetShotEffects(&effects);
  Score = 1560;
  Place({{4, 0, 2}, {5, 0, 2}, {5, 1, 3}, {6, 1, 4}});
  Land(6, 0, 2);
  EXPECT_EQ(effects.levels, (std::vector<int16_t>{0, 1}));
  EXPECT_EQ(Score, 1630);
  EXPECT_EQ(Level, 1);
  EXPECT_EQ(PushLimit, 1140);
  EXPECT_EQ(Lvlup.FramesLeft(), clsLvlup::Frames);
}

}  // namespace
}  // namespace marlquin::test
