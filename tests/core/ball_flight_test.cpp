// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's geometry, and the flight of a ball over it.

#include <algorithm>
#include <array>

#include "core/Progress.h"
#include "core/RoundFlow.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

using BoardGeometry = GameTest;

std::vector<Cell> NeighboursOnBoard(int col, int row) {
  std::vector<Cell> cells;
  for (const Cell& cell : Neighbours(col, row)) {
    if (OnBoard(cell.col, cell.row)) cells.push_back(cell);
  }
  return cells;
}

TEST_F(BoardGeometry, CornersTurnIntoTheirCellsWithHalfEvenRoundingAndRowParity) {
  EXPECT_EQ(CellAt(150, 349), (Cell{5, 13}));
  EXPECT_EQ(CellAt(165, 364), (Cell{5, 14}));
  // Row -1 counts as odd, so its column is not shifted by half a cell.
  EXPECT_EQ(CellAt(150, -20), (Cell{5, -1}));
}

TEST_F(BoardGeometry, NeighboursComeInTheirFixedOrderAndEdgesLoseTheirOffBoardOnes) {
  EXPECT_EQ(NeighboursOnBoard(5, 2),
            (std::vector<Cell>{{4, 2}, {6, 2}, {5, 3}, {6, 3}, {5, 1}, {6, 1}}));
  EXPECT_EQ(NeighboursOnBoard(5, 3),
            (std::vector<Cell>{{4, 3}, {6, 3}, {4, 4}, {5, 4}, {4, 2}, {5, 2}}));
  EXPECT_EQ(NeighboursOnBoard(0, 0), (std::vector<Cell>{{1, 0}, {0, 1}, {1, 1}}));
  EXPECT_EQ(NeighboursOnBoard(0, 1), (std::vector<Cell>{{1, 1}, {0, 2}, {0, 0}}));
  EXPECT_EQ(NeighboursOnBoard(10, 0), (std::vector<Cell>{{9, 0}, {10, 1}}));
}

TEST_F(BoardGeometry, NewBoardHasFourFullRowsOfColoursOneToSixRoundedHalfToEven) {
  Board.fill(5);
  // 5r + 1 for these r: 1, 1.5, 2.5, 3.5, 4.5, 5.5, 5.95; then 3.5 for every other cell.
  ScriptRandom({0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99});
  FillBoard();
  std::array<int16_t, BoardCells> expected{1, 2, 2, 4, 4, 6, 6};
  std::fill(expected.begin() + 7, expected.begin() + 44, 4);
  EXPECT_EQ(Board, expected);
  EXPECT_EQ(BallCount, 44);
}

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

TEST_F(BallFlight, PositionExactlyOnEitherWallIsNotFoldedAndOneBeyondIsMirrored) {
  // A fold that also took the wall itself would mirror 15 onto 15 for ever.
  Ball.init(15, 364);
  Aim(0, 1);
  EXPECT_EQ(Ball.GetStepx(0), 0);
  Ball.init(330, 364);
  Aim(0, 1);
  EXPECT_EQ(Ball.GetStepx(0), 315);
  EXPECT_EQ(Ball.LandRow(), 0);
  Ball.init(331, 364);  // a pixel beyond: mirrored to 329
  Aim(0, 1);
  EXPECT_EQ(Ball.GetStepx(0), 314);
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
