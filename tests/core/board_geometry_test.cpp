// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "core/GameState.h"
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
  // 5r + 1 for these r: 1, 1.5, 2.5, 3.5, 4.5, 5.5, 5.95.
  ScriptRandom({0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99});
  FillBoard();
  const std::vector<int16_t> firstCells(Board.begin(), Board.begin() + 7);
  EXPECT_EQ(firstCells, (std::vector<int16_t>{1, 2, 2, 4, 4, 6, 6}));
  for (int row = 0; row < BoardRows; ++row) {
    for (int col = 0; col < BoardCols; ++col) {
      const int16_t cell = Board[CellIndex(col, row)];
      if (row <= 3) {
        EXPECT_TRUE(cell >= 1 && cell <= 6) << col << "," << row;
      } else {
        EXPECT_EQ(cell, 0) << col << "," << row;
      }
    }
  }
  EXPECT_EQ(BallCount, 44);
}

}  // namespace
}  // namespace marlquin::test
