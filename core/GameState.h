// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board and the game state: one hexagonally packed field of 11 columns and 16 rows,
// the counters of the game in progress, the geometry that turns cells into positions and
// back, the six-neighbour rule and the cell lists the searches fill.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/Rounding.h"

namespace marlquin {

inline constexpr int BoardCols = 11;
inline constexpr int BoardRows = 16;
inline constexpr int BoardCells = BoardCols * BoardRows;
inline constexpr int LauncherRow = 14;  // a ball that would rest here ends the game

inline constexpr int BallSize = 30;
inline constexpr int BallRadius = BallSize / 2;
inline constexpr int CellWidth = BallSize;
inline constexpr double RowHeight = 25.98076211353317;  // radius x sqrt(3), never rounded to 26

// Where the board sits in the window: a board position (a ball's top-left corner) is
// drawn at (x + BoardLeft, y + BoardTop).
inline constexpr int BoardLeft = 227;
inline constexpr int BoardTop = 60;

// Cell values: 0 empty, 1..6 a bubble of that colour, 7 a bomb (blasts as it lands).
inline constexpr int16_t EmptyCell = 0;
inline constexpr int16_t BombColor = 7;

extern std::array<int16_t, BoardCells> Board;
extern int16_t CurColor;   // the ball waiting on the launcher
extern int16_t NextColor;  // the ball shown as the next one
extern int16_t BallCount;  // running count of occupied cells
extern int32_t Score;
extern int16_t Level;      // floor(Score / 1600) once the score has changed
extern double ShootAngle;  // radians, from AimStep
extern int16_t AimStep;    // -40..40 in steps of two degrees; 0 is straight up, + is left
extern int16_t PushTick;   // frames drawn since the last push of new rows
extern int16_t PushLimit;  // frames between pushes
extern bool GuideShot;     // the waiting ball shows the aiming guide
extern std::vector<int16_t> MatchList;  // the landed ball's colour group, depth first
extern std::vector<int16_t> VisitList;  // cells the colour search has reached
extern std::vector<int16_t> LinkList;   // occupied cells hanging from the top row
extern int16_t MatchCount;

// Everything above back to its start-of-program value.
void ResetGameState();

struct Cell {
  int16_t col = 0;
  int16_t row = 0;
  bool operator==(const Cell&) const = default;
};

// Rows are odd or even by their remainder taken with the row's sign: row -1 is odd.
constexpr bool IsOddRow(int row) { return row % 2 != 0; }
constexpr bool OnBoard(int col, int row) {
  return col >= 0 && col < BoardCols && row >= 0 && row < BoardRows;
}
constexpr int CellIndex(int col, int row) { return row * BoardCols + col; }

inline constexpr int16_t AimLimit = 40;  // AimStep stays within -AimLimit..AimLimit

// The aim angle for an aim step; the literal 3.141593 is part of the game's feel.
constexpr double AngleFromAimStep(int aimStep) { return (45 - aimStep) * 3.141593 / 90; }

// Top-left corner of a cell's bubble in board coordinates (even rows sit half a cell right).
double CellLeft(int col, int row);
double CellTop(int row);

// The cell whose bubble has its top-left corner at (x, y). Inline: the flight path asks
// it at every one of its positions.
inline Cell CellAt(double x, double y) {
  const int16_t row = RoundToInt16(y / RowHeight);
  const int16_t col =
      IsOddRow(row) ? RoundToInt16(x / CellWidth) : RoundToInt16((x - BallRadius) / CellWidth);
  return {col, row};
}

// The six neighbours in the fixed visiting order; some may lie off the board.
std::array<Cell, 6> Neighbours(int col, int row);

bool InList(const std::vector<int16_t>& list, int value);

// Colours 1..6 by rounding 5r + 1: the two end colours come half as often as the others.
int16_t RandomBubbleColor();

// A fresh board for a new game: rows 0..3 of random colours 1..6, the rest empty.
void FillBoard();

}  // namespace marlquin
