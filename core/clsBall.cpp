// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clsBall.h"

#include <algorithm>
#include <cmath>

#include "core/BubbleCore.h"
#include "core/GameState.h"
#include "core/Progress.h"
#include "core/Rounding.h"

namespace marlquin {

clsBall Ball;

void ResetBall() { Ball = clsBall{}; }

namespace {

// The centre of a ball stays between these x; beyond them the path is mirrored. The right
// wall is the right edge of an even row (half a cell further right) less a radius.
constexpr double LeftWall = BallRadius;
constexpr double RightWall = BoardCols * CellWidth;
constexpr int16_t StepsPerFrame = 3;

double FoldIntoPlayfield(double x) {
  while (x > RightWall || x < LeftWall) {
    if (x > RightWall) x = 2 * RightWall - x;
    if (x < LeftWall) x = 2 * LeftWall - x;
  }
  return x;
}

}  // namespace

void clsBall::init(int16_t srx, int16_t sry) {
  Srx = srx;
  Sry = sry;
  Speed = 16;
}

void clsBall::NewBall(double angle, int16_t color) {
  if (Flying) return;
  X = Srx;
  Y = Sry;
  Dist = 0;
  const Cell start = CellAt(Srx, Sry);
  PrevCol = start.col;
  PrevRow = start.row;
  StepCount = 0;
  Color = color;
  GetRote(angle);
}

void clsBall::GetRote(double angle) {
  if (Flying) return;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  for (;;) {
    const double x = FoldIntoPlayfield(Srx - Dist * c) - BallRadius;
    const double y = Sry - Dist * s - BallRadius;
    X = x;
    Y = y;
    const Cell cell = CellAt(x, y);
    Col = cell.col;
    Row = cell.row;
    if (StepCount == PathCapacity) {
      // Only aims wider than the launcher allows could get here; rest where the path ends.
      HitTest(Col, -1, PrevCol, PrevRow);
      return;
    }
    if (!HitTest(Col, Row, PrevCol, PrevRow)) return;
    StepX[StepCount] = RoundToInt16(x);
    StepY[StepCount] = RoundToInt16(y);
    ++StepCount;
    PrevCol = Col;
    PrevRow = Row;
    Dist = RoundToInt16(Dist + Speed);
  }
}

// True while the position is free. Otherwise the ball rests in the last free cell, and a
// ball that could only rest in the launcher row ends the game here.
bool clsBall::HitTest(int16_t col, int16_t row, int16_t prevCol, int16_t prevRow) {
  prevRow = std::max<int16_t>(prevRow, 0);
  col = std::clamp<int16_t>(col, 0, BoardCols - 1);
  prevCol = std::clamp<int16_t>(prevCol, 0, BoardCols - 1);
  if (row >= 0 && row < BoardRows && Board[CellIndex(col, row)] == EmptyCell) return true;
  LandCol_ = prevCol;
  LandRow_ = prevRow;
  if (LandRow_ == LauncherRow) GameOver();
  return false;
}

void clsBall::Shoot() {
  if (Flying) return;
  Flying = true;
  StepIndex = 0;
  Run();
}

bool clsBall::Run() {
  if (!Flying) return false;
  StepIndex = Saturate16(int32_t{StepIndex} + StepsPerFrame);
  if (StepIndex >= StepCount - 1) {
    Board[CellIndex(LandCol_, std::min<int>(LandRow_, BoardRows - 1))] = Color;
    int16_t col = LandCol_;
    int16_t row = LandRow_;
    ResolveShot(col, row);
    Flying = false;
    NewBall(ShootAngle, CurColor);
  }
  return false;
}

int16_t clsBall::GetStepx(int16_t i) const { return i >= 0 && i < PathCapacity ? StepX[i] : 0; }

int16_t clsBall::GetStepy(int16_t i) const { return i >= 0 && i < PathCapacity ? StepY[i] : 0; }

}  // namespace marlquin
