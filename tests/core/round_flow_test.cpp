// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>

#include "core/BubbleCore.h"
#include "core/Progress.h"
#include "core/RoundFlow.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

class RoundFlow : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Ball.init(165, 364);
    ShootAngle = AngleFromAimStep(0);
  }

  void WriteTable(const std::vector<int>& scores) {
    std::ofstream file(InFolder("Bubble.rec"), std::ios::binary);
    char name = 'A';
    for (int score : scores) {
      file << name++ << "\r\n"
           << std::string(6 - std::to_string(score).size(), '0') << score << "\r\nd\r\n";
    }
  }
};

TEST_F(RoundFlow, PushYieldsFirstThenMovesEveryRowDownTwoAndFillsTheTopTwoRows) {
  Place({{0, 0, 1}, {10, 0, 2}, {7, 1, 6}, {3, 12, 3}, {0, 14, 5}});
  BallCount = 5;
  bool boardUntouchedAtYield = false;
  fake.onYield = [&] { boardUntouchedAtYield = Board[CellIndex(0, 2)] == 0; };
  ScriptRandom({0.0, 0.99});  // (0, 0) then (0, 1); 0.5 gives 4 for the rest

  ASSERT_TRUE(AddRows());
  EXPECT_TRUE(boardUntouchedAtYield);
  EXPECT_EQ(Board[CellIndex(0, 0)], 1);
  EXPECT_EQ(Board[CellIndex(0, 1)], 6);
  EXPECT_EQ(std::count(Board.begin(), Board.begin() + 2 * BoardCols, 4), 20) << "the rest 4";
  EXPECT_EQ(Board[CellIndex(0, 2)], 1);
  EXPECT_EQ(Board[CellIndex(10, 2)], 2);
  EXPECT_EQ(Board[CellIndex(7, 3)], 6);
  EXPECT_EQ(Board[CellIndex(3, 14)], 3);  // from row 12 into the launcher row
  EXPECT_EQ(CountOccupied(), 22 + 4);     // the bubble in row 14 left the board
  EXPECT_EQ(BallCount, 27);               // not lowered for it
  EXPECT_EQ(Ball.LandRow(), 2);           // the waiting ball is aimed at the new board
}

TEST_F(RoundFlow, PushFailsWithRowThirteenOccupiedAndEndsTheGameWhenItFillsTheLaunchCell) {
  Place({{10, 13, 1}});
  BallCount = 1;
  const auto before = Board;
  EXPECT_FALSE(AddRows());
  EXPECT_EQ(Board, before);
  EXPECT_EQ(BallCount, 1);

  Board.fill(0);
  Place({{5, 11, 1}});
  EXPECT_THROW(AddRows(), ProgramEnded);
  EXPECT_EQ(Board[CellIndex(5, 13)], 1);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "Game over");
}

TEST_F(RoundFlow, RankingScoreIsInsertedBelowTheBetterOnesAndTheFifthGoesToTheSpareRow) {
  WriteTable({500, 400, 300, 200, 100});
  Score = 250;
  fake.inputAnswers = {"Ann\r\nLee" + std::string(5000, 'x')};  // the box takes 256 bytes
  EXPECT_THROW(GameOver(), ProgramEnded);

  ASSERT_FALSE(fake.messages.empty());
  EXPECT_EQ(fake.messages[0].text, "Game over");
  EXPECT_EQ(fake.inputPrompts, (std::vector<std::string>{"Please input your name|Congratulation"}));
  EXPECT_EQ(FileText("Bubble.rec"),
            "A\r\n000500\r\nd\r\nB\r\n000400\r\nd\r\nC\r\n000300\r\nd\r\n"
            "AnnLee" +
                std::string(248, 'x') + "\r\n000250\r\n05/12/2026\r\nD\r\n000200\r\nd\r\n");
  EXPECT_EQ(HighScores[5][1], "000100");
  EXPECT_EQ(fake.endCount, 1);
}

TEST_F(RoundFlow, ScoreEqualToTheFifthStaysOutAndEqualToAHigherOneGoesBelowIt) {
  WriteTable({500, 400, 300, 200, 100});
  const std::string before = FileText("Bubble.rec");
  Score = 100;
  EXPECT_THROW(GameOver(), ProgramEnded);
  EXPECT_TRUE(fake.inputPrompts.empty());
  EXPECT_EQ(FileText("Bubble.rec"), before);

  Score = 300;
  fake.inputAnswers = {"New"};
  EXPECT_THROW(GameOver(), ProgramEnded);
  EXPECT_EQ(HighScores[2][0], "C");
  EXPECT_EQ(HighScores[3][0], "New");
  EXPECT_EQ(HighScores[4][1], "000200");
}

TEST_F(RoundFlow, WithoutATableAnyScoreRanksAndACancelledNameIsEmpty) {
  Score = 30;
  EXPECT_THROW(GameOver(), ProgramEnded);  // no input answer: the player cancels
  std::string expected = "\r\n000030\r\n05/12/2026\r\n";
  for (int line = 3; line < 15; ++line) expected += "\r\n";
  EXPECT_EQ(FileText("Bubble.rec"), expected);
}

TEST_F(RoundFlow, HugeScoresSaturateLevelAndPushLimitInsteadOfWrapping) {
  Score = 21 * 1600;
  UpdateLevel();
  EXPECT_EQ(Level, 21);
  EXPECT_EQ(PushLimit, -60);

  Score = std::numeric_limits<int32_t>::max() - 5;
  Place({{0, 0, 1}});
  int16_t factor = 2;
  ClearCell(0, 0, factor);
  EXPECT_EQ(Score, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(Level, std::numeric_limits<int16_t>::max());
  EXPECT_EQ(PushLimit, std::numeric_limits<int16_t>::min());

  BallCount = std::numeric_limits<int16_t>::max() - 1;
  ASSERT_TRUE(AddRows());
  EXPECT_EQ(BallCount, std::numeric_limits<int16_t>::max());
}

}  // namespace
}  // namespace marlquin::test
