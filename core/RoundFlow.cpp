// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RoundFlow.h"

#include <cmath>

#include "core/GameState.h"
#include "core/Progress.h"
#include "core/Random.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "platform/Platform.h"

namespace marlquin {
namespace {

constexpr int LastPlayRow = 13;
constexpr int FirstPushFramesPerLevel = 50;
constexpr int GuideChanceIn = 7;  // a guide shot comes once in seven

// Colours 1..3 for the first two balls of a game, 2 twice as often as 1 or 3.
int16_t StartingColor() { return RoundToInt16(2 * Rnd() + 1); }

}  // namespace

void StartGame() {
  Score = 0;
  Level = 0;
  AimStep = 0;
  Ball.init(LaunchX, LaunchY);
  platform().Yield();
  ShootAngle = AngleFromAimStep(AimStep);
  // The first path is computed only on the new board below: against an abandoned board a
  // bubble above the launcher would end the new game before it began.
  FillBoard();
  // A ball still flying from an abandoned game must not land in the new board.
  Ball.EndFlight();
  platform().Yield();
  PushLimit = Saturate16((int64_t{LevelCount} - Level) * FirstPushFramesPerLevel);
  CurColor = StartingColor();
  NextColor = StartingColor();
  Ball.NewBall(ShootAngle, CurColor);
  PushTick = 0;
}

void ReadyLauncher() {
  Ball.init(LaunchX, LaunchY);
  AimStep = 0;
  ShootAngle = AngleFromAimStep(AimStep);
  CurColor = StartingColor();
  NextColor = StartingColor();
}

void FireBall() {
  CurColor = NextColor;
  // Rounding 6r + 1 gives 1..7 where the two ends, colour 1 and the bomb, get half a step
  // each: the bomb comes once in twelve shots and can never be a game's first two balls.
  NextColor = RoundToInt16(6 * Rnd() + 1);
  GuideShot = std::floor(GuideChanceIn * Rnd()) == 3;
  Ball.Shoot();
}

bool AddRows() {
  platform().Yield();
  for (int col = 0; col < BoardCols; ++col) {
    if (Board[CellIndex(col, LastPlayRow)] != EmptyCell) return false;
  }
  for (int row = BoardRows - 1; row >= 2; --row) {
    for (int col = 0; col < BoardCols; ++col)
      Board[CellIndex(col, row)] = Board[CellIndex(col, row - 2)];
  }
  for (int col = 0; col < BoardCols; ++col) {
    Board[CellIndex(col, 0)] = RandomBubbleColor();
    Board[CellIndex(col, 1)] = RandomBubbleColor();
  }
  BallCount = Saturate16(int32_t{BallCount} + 2 * BoardCols);
  Ball.NewBall(ShootAngle, CurColor);
  return true;
}

}  // namespace marlquin
