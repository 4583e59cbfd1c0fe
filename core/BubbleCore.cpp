// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BubbleCore.h"

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Progress.h"
#include "core/Rounding.h"
#include "core/ShotEffects.h"

namespace marlquin {
namespace {

constexpr int16_t BurstFactor = 1;  // 10 points
constexpr int16_t DropFactor = 2;   // 20 points
constexpr int MinimumGroup = 3;

// The splash appears at the top of a cell's row, centred on where the column lies in an
// even row, in window coordinates.
void Splash(int col, int row) {
  constexpr int EvenRow = 0;
  Effects().WaterPointInit(CellLeft(col, EvenRow) + BallRadius + BoardLeft,
                           CellTop(row) + BoardTop);
}

void DecrementBallCount(int amount = 1) { BallCount = Saturate16(int32_t{BallCount} - amount); }

}  // namespace

void ResolveShot(int16_t& col, int16_t& row) {
  BallCount = Saturate16(int32_t{BallCount} + 1);
  if (Board[CellIndex(col, row)] == BombColor) {
    const double x = CellLeft(col, row);
    const double y = CellTop(row);
    Effects().BoomInit(RoundToInt16(x - 50), RoundToInt16(y - 50));
    BlastBomb(col, row);
    PlayOnce("bomb");
    return;
  }
  MatchList.clear();
  VisitList.clear();
  MatchCount = 0;
  ColorFill(col, row, Board[CellIndex(col, row)]);
  if (MatchCount >= MinimumGroup) {
    BurstMatches();
    DecrementBallCount(MatchCount);
    LinkList.clear();
    DropFloating();
  }
  PlayOnce("Ding");
}

void ColorFill(int16_t col, int16_t row, int16_t color) {
  if (!OnBoard(col, row)) return;
  const int index = CellIndex(col, row);
  if (InList(VisitList, index)) return;
  VisitList.push_back(static_cast<int16_t>(index));
  if (Board[index] != color) return;
  ++MatchCount;
  MatchList.push_back(static_cast<int16_t>(index));
  for (const Cell& next : Neighbours(col, row)) ColorFill(next.col, next.row, color);
}

void BurstMatches() {
  const int u = static_cast<int>(MatchList.size()) - 1;
  for (int i = 0; i <= u; ++i) {
    const int16_t col = MatchList[i] % BoardCols;
    const int16_t row = MatchList[i] / BoardCols;
    // Only an odd group has an entry exactly at its middle.
    if (i == u / 2.0) Splash(col, row);
    int16_t factor = BurstFactor;
    ClearCell(col, row, factor);
  }
}

void DropFloating() {
  for (int16_t col = 0; col < BoardCols; ++col) LinkFill(col, 0);
  Effects().DropInit();
  for (int16_t col = 0; col < BoardCols; ++col) {
    for (int16_t row = 0; row < BoardRows; ++row) {
      const int index = CellIndex(col, row);
      if (Board[index] == EmptyCell || InList(LinkList, index)) continue;
      Effects().DropAdd(RoundToInt16(CellLeft(col, row)), RoundToInt16(CellTop(row)), Board[index]);
      int16_t factor = DropFactor;
      ClearCell(col, row, factor);
      DecrementBallCount();
    }
  }
}

void LinkFill(int16_t col, int16_t row) {
  // No more bubbles can hang from the top than lie on the board, so with BallCount kept
  // right this bound never cuts a search short; it caps the search should the count be off.
  if (static_cast<int>(LinkList.size()) > BallCount + 1) return;
  if (!OnBoard(col, row)) return;
  const int index = CellIndex(col, row);
  if (Board[index] == EmptyCell || InList(LinkList, index)) return;
  LinkList.push_back(static_cast<int16_t>(index));
  for (const Cell& next : Neighbours(col, row)) LinkFill(next.col, next.row);
}

void BlastBomb(int16_t col, int16_t row) {
  int16_t factor = BurstFactor;
  ClearCell(col, row, factor);
  DecrementBallCount();
  for (const Cell& next : Neighbours(col, row)) {
    if (!OnBoard(next.col, next.row)) continue;
    if (Board[CellIndex(next.col, next.row)] != EmptyCell) DecrementBallCount();
    factor = BurstFactor;
    ClearCell(next.col, next.row, factor);
  }
  const int d = IsOddRow(row) ? col - 1 : col;
  Splash(d, row + 1);
  LinkList.clear();
  DropFloating();
}

void ClearCell(int16_t col, int16_t row, int16_t& factor) {
  if (col < 0 || col >= BoardCols || row < 0 || row >= BoardRows) return;
  int16_t& cell = Board[CellIndex(col, row)];
  if (cell == EmptyCell) return;
  cell = EmptyCell;
  Score = Saturate32(int64_t{Score} + int64_t{factor} * 10);
  UpdateLevel();
}

}  // namespace marlquin
