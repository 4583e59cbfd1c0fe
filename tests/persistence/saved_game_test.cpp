// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fstream>
#include <utility>

#include "persistence/SavedGame.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

class SavedGame : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Ball.init(165, 364);
    AimStep = 10;
    ShootAngle = AngleFromAimStep(AimStep);
    CurColor = 2;
    NextColor = 5;
    Place({{0, 0, 1}, {1, 0, 6}, {2, 1, 3}});
    PushLimit = 1140;
    Level = 1;
    PushTick = 321;
    BallCount = 3;
    Score = 70000;  // beyond 16 bits
  }

  // The fixture's game as a saved file, byte by byte: the cells, then PushLimit, Level,
  // PushTick and BallCount in 16 bits and the score in 32, all low byte first.
  static std::string ByHand() {
    std::string bytes(352, '\0');
    bytes[0] = 1;   // (0, 0)
    bytes[2] = 6;   // (1, 0)
    bytes[26] = 3;  // (2, 1): cell 13
    return bytes + std::string("\x74\x04\x01\x00\x41\x01\x03\x00\x70\x11\x01\x00", 12);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(InFolder(name), std::ios::binary) << bytes;
  }
};

TEST_F(SavedGame, SaveWritesTheLayoutAndLoadReadsItBackButKeepsColoursAimAndNoFlight) {
  const std::string path = InFolder("save/26-12-05.sv");
  fake.fileAnswers = {path, InFolder("hand.sv")};
  SaveGame();
  ASSERT_EQ(fake.fileDialogs.size(), 1u);
  EXPECT_EQ(fake.fileDialogs[0].title, "Save Game to file");
  EXPECT_EQ(fake.fileDialogs[0].filter, "*.sv|*.sv");
  EXPECT_EQ(fake.fileDialogs[0].initialPath, path);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "Game has been saved to " + path);
  EXPECT_EQ(fake.messages[0].icon, Platform::Icon::Information);
  EXPECT_EQ(FileText("save/26-12-05.sv"), ByHand());

  Board.fill(0);
  PushLimit = Level = PushTick = BallCount = 0;
  Score = 0;
  Ball.NewBall(ShootAngle, CurColor);
  Ball.Shoot();  // a ball in the air must not land in the loaded board
  ASSERT_TRUE(Ball.Flying);
  CurColor = 4;
  Write("hand.sv", ByHand() + std::string(1000, '\x7f'));  // what follows 364 bytes is ignored
  EXPECT_TRUE(LoadGame());
  EXPECT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.fileDialogs.back().title, "Open Game save file");
  EXPECT_EQ(CountOccupied(), 3);
  EXPECT_EQ(Board[CellIndex(1, 0)], 6);
  EXPECT_EQ(Board[CellIndex(2, 1)], 3);
  // Score, level, push limit and tick and balls as loaded; colours and aim as they were; the
  // ball back on the launcher, its path against the loaded board.
  EXPECT_EQ(Counters::Now(), (Counters{70000, 1, 1140, 321, 3, 4, 5, 10, 0, 0, 0, 0, 4, 23}));
}

TEST_F(SavedGame, OverwriteIsAskedAndNoLeavesTheOldFileWhileYesReplacesItWhole) {
  const std::string path = InFolder("save/old.sv");
  Write("save/old.sv", std::string(400, 'x'));
  fake.fileAnswers = {path};
  fake.messageAnswers = {Platform::Answer::No};
  SaveGame();
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "File already exists. Do you want to replace it?");
  EXPECT_EQ(fake.messages[0].title, "Save file");
  EXPECT_EQ(fake.messages[0].buttons, Platform::Buttons::YesNo);
  EXPECT_EQ(FileText("save/old.sv"), std::string(400, 'x'));

  fake.fileAnswers = {path};
  fake.messageAnswers = {Platform::Answer::Yes};
  SaveGame();
  ASSERT_EQ(fake.messages.size(), 3u);
  EXPECT_EQ(fake.messages[2].text, "Game has been saved to " + path);
  EXPECT_EQ(FileText("save/old.sv"), ByHand());  // no old tail
}

TEST_F(SavedGame, CancelledLoadChangesNothingAndShowsNothing) {
  const std::string before = EncodeSavedGame();
  EXPECT_FALSE(LoadGame());
  EXPECT_EQ(EncodeSavedGame(), before);
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(SavedGame, FilesThatAreNotSavedGamesAreRefusedWithAMessageAndTheGameUntouched) {
  const std::string good = ByHand();
  auto changed = [&](size_t at, const std::string& bytes) {
    return std::string(good).replace(at, bytes.size(), bytes);
  };
  const std::vector<std::pair<std::string, std::string>> files = {
      {"short.sv", good.substr(0, 363)},
      {"cell8.sv", changed(0, "\x08")},
      {"cellminus.sv", changed(0, "\xff\xff")},
      {"score.sv", changed(363, "\x80")},
      {"fewballs.sv", changed(358, std::string("\x02\x00", 2))}};  // 3 bubbles, BallCount 2
  for (const auto& [name, bytes] : files) Write(name, bytes);

  Board.fill(0);
  Score = 5;
  const std::string before = EncodeSavedGame();
  for (const std::string name :
       {"short.sv", "cell8.sv", "cellminus.sv", "score.sv", "fewballs.sv", "missing.sv", "save"}) {
    fake.messages.clear();
    fake.fileAnswers = {InFolder(name)};
    EXPECT_FALSE(LoadGame()) << name;
    EXPECT_EQ(EncodeSavedGame(), before) << name;
    ASSERT_EQ(fake.messages.size(), 1u) << name;
    EXPECT_EQ(fake.messages[0].icon, Platform::Icon::Warning) << name;
    EXPECT_NE(fake.messages[0].text.find(InFolder(name)), std::string::npos) << name;
  }
  EXPECT_NE(fake.messages[0].text.find("could not be read (Is a directory)"), std::string::npos)
      << "a folder";
}

}  // namespace
}  // namespace marlquin::test
