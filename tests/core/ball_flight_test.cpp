// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Progress.h"
#include "core/RoundFlow.h"
#include "core/clsBall.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

class BallFlight : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SoundOn = 1;
    Ball.init(165, 364);
  }

  static void Aim(int aimStep, int16_t color) {
    AimStep = static_cast<int16_t>(aimStep);
    ShootAngle = AngleFromAimStep(aimStep);
    Ball.NewBall(ShootAngle, color);
  }
};

TEST_F(BallFlight, StraightUpRunsUpColumnFiveAndRestsInRowZeroBecauseTheCosineIsNotZero) {
  Aim(0, 3);
  ASSERT_EQ(Ball.StepCount, 23);
  for (int16_t i = 0; i < Ball.StepCount; ++i) {
    EXPECT_EQ(Ball.GetStepx(i), 150) << i;
    EXPECT_EQ(Ball.GetStepy(i), 349 - 16 * i) << i;
  }
  // The last free corner lies a hair right of x = 150, so (x - 15) / 30 rounds up to 5;
  // with an exact right angle it would be 4.5 and round to 4.
  EXPECT_EQ(Ball.LandCol(), 5);
  EXPECT_EQ(Ball.LandRow(), 0);
}

TEST_F(BallFlight, TenDegreeShotBouncesOffTheLeftWallThenTheRightAndStaysWithin131Positions) {
  Aim(40, 2);
  const int16_t n = Ball.StepCount;
  ASSERT_GT(n, 0);
  EXPECT_LE(n, 131);
  int firstLeft = -1;
  int firstRight = -1;
  for (int16_t i = 0; i < n; ++i) {
    const int16_t x = Ball.GetStepx(i);
    EXPECT_TRUE(x >= 0 && x <= 315) << i << ": " << x;
    if (x <= 16 && firstLeft < 0) firstLeft = i;
    if (x >= 299 && firstRight < 0) firstRight = i;
  }
  EXPECT_GE(firstLeft, 0);
  EXPECT_GT(firstRight, firstLeft);
  EXPECT_EQ(Ball.LandRow(), 0);
}

TEST_F(BallFlight, PositionExactlyOnEitherWallIsNotFolded) {
  // A fold that also took the wall itself would mirror 15 onto 15 for ever.
  Ball.init(15, 364);
  Aim(0, 1);
  EXPECT_EQ(Ball.GetStepx(0), 0);
  Ball.init(330, 364);
  Aim(0, 1);
  EXPECT_EQ(Ball.GetStepx(0), 315);
  EXPECT_EQ(Ball.LandRow(), 0);
}

TEST_F(BallFlight, AShotMovesThreePositionsAFrameAndLandsOnTheFrameThatReachesItsLastButOne) {
  Place({{5, 0, 1}});
  Aim(0, 3);  // up column 5 until (5, 0) blocks the 23rd position: rests in (5, 1)
  ASSERT_EQ(Ball.StepCount, 22);
  CurColor = 5;
  Ball.Shoot();
  Ball.Shoot();  // already flying: no extra step
  EXPECT_EQ(Ball.StepIndex, 3);

  // Rows pushed in mid-flight change neither the path nor the landing cell.
  ASSERT_TRUE(AddRows());
  EXPECT_EQ(Ball.StepCount, 22);
  for (int frame = 1; frame <= 5; ++frame) Ball.Run();
  EXPECT_EQ(Ball.StepIndex, 18);
  EXPECT_EQ(Board[CellIndex(5, 1)], 4) << "still in the air";
  Ball.Run();  // position 21 of 0..21

  EXPECT_FALSE(Ball.Flying);
  EXPECT_EQ(Board[CellIndex(5, 1)], 3) << "the pushed bubble there is overwritten";
  EXPECT_EQ(BallCount, 23);
  EXPECT_EQ(Last(log), "play Ding");
  // The next ball takes the launcher colour and is aimed against the new board.
  EXPECT_EQ(Ball.Color, 5);
  EXPECT_EQ(Ball.LandRow(), 3);
}

TEST_F(BallFlight, ShortPathLandsInsideShootAndABallInTheLaunchCellEndsTheGame) {
  Place({{4, 13, 1}});
  Aim(40, 2);  // the second position is in (4, 13)
  EXPECT_EQ(Ball.StepCount, 1);
  EXPECT_EQ(Ball.LandCol(), 5);
  EXPECT_EQ(Ball.LandRow(), 13);
  CurColor = 4;

  // Landing fills (5, 13), so preparing the next ball finds no free cell above row 14.
  EXPECT_THROW(Ball.Shoot(), ProgramEnded);
  EXPECT_EQ(Board[CellIndex(5, 13)], 2);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "Game over");
  EXPECT_FALSE(GameOverInProgress());
}

}  // namespace
}  // namespace marlquin::test
