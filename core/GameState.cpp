// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/GameState.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "core/Rounding.h"

namespace marlquin {

std::array<int16_t, BoardCells> Board{};
int16_t CurColor = 0;
int16_t NextColor = 0;
int16_t BallCount = 0;
int32_t Score = 0;
int16_t Level = 0;
double ShootAngle = 0;
int16_t AimStep = 0;
int16_t PushTick = 0;
int16_t PushLimit = 0;
bool GuideShot = false;
std::vector<int16_t> MatchList;
std::vector<int16_t> VisitList;
std::vector<int16_t> LinkList;
int16_t MatchCount = 0;

void ResetGameState() {
  Board.fill(EmptyCell);
  CurColor = NextColor = BallCount = 0;
  Score = 0;
  Level = 0;
  ShootAngle = 0;
  AimStep = 0;
  PushTick = PushLimit = 0;
  GuideShot = false;
  MatchList.clear();
  VisitList.clear();
  LinkList.clear();
  MatchCount = 0;
}

double CellLeft(int col, int row) { return CellWidth * col + (IsOddRow(row) ? 0 : BallRadius); }

double CellTop(int row) { return row * RowHeight; }

std::array<Cell, 6> Neighbours(int col, int row) {
  const int d = IsOddRow(row) ? col - 1 : col;
  auto cell = [](int c, int r) { return Cell{static_cast<int16_t>(c), static_cast<int16_t>(r)}; };
  return {cell(col - 1, row),   cell(col + 1, row), cell(d, row + 1),
          cell(d + 1, row + 1), cell(d, row - 1),   cell(d + 1, row - 1)};
}

bool InList(const std::vector<int16_t>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

int16_t RandomBubbleColor() { return RoundToInt16(Rnd() * 5 + 1); }

void FillBoard() {
  const int last =
      std::min(static_cast<int>(RoundHalfEven(std::floor(Level / 2.0) + 3)), BoardRows - 1);
  for (int row = 0; row <= last; ++row) {
    for (int col = 0; col < BoardCols; ++col) Board[CellIndex(col, row)] = RandomBubbleColor();
  }
  for (int row = last + 1; row < BoardRows; ++row) {
    for (int col = 0; col < BoardCols; ++col) Board[CellIndex(col, row)] = EmptyCell;
  }
  BallCount = Saturate16(int64_t{BoardCols} * (last + 1));
}

}  // namespace marlquin
