// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>

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
  Board.fill(5);
  // 5r + 1 for these r: 1, 1.5, 2.5, 3.5, 4.5, 5.5, 5.95; then 3.5 for every other cell.
  ScriptRandom({0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99});
  FillBoard();
  std::array<int16_t, BoardCells> expected{1, 2, 2, 4, 4, 6, 6};
  std::fill(expected.begin() + 7, expected.begin() + 44, 4);
  EXPECT_EQ(Board, expected);
  EXPECT_EQ(BallCount, 44);
}

}  // namespace
}  // namespace marlquin::test
