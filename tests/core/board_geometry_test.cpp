#include <gtest/gtest.h>

#include "core/GameState.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

using BoardGeometry = GameTest;

TEST_F(BoardGeometry, CornersTurnIntoTheirCellsWithHalfEvenRoundingAndRowParity) {
  EXPECT_EQ(CellAt(150, 349), (Cell{5, 13}));
  EXPECT_EQ(CellAt(165, 364), (Cell{5, 14}));
}

}  // namespace
}  // namespace marlquin::test
