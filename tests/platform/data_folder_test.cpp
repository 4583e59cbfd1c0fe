// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fstream>
#include <optional>

#include "core/Progress.h"
#include "persistence/FileStart.h"
#include "persistence/SavedGame.h"
#include "platform/DataFolder.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    fake.environment = {{"HOME", InFolder("home")}, {"XDG_DATA_HOME", InFolder("xdg")}};
  }
  void InstalledForAllUsers() { fake.readOnlyFolders = {fake.programFolder}; }
  // A game over with a score that ranks and a typed name.
  void RankAtGameOver() {
    Score = 4200;
    fake.inputAnswers = {"Ann"};
    EXPECT_THROW(GameOver(), ProgramEnded);
  }
};

TEST_F(DataFolderTest, ProgramFolderWhileWritableElseTheUsersDataHome) {
  const struct {
    bool writable;
    std::optional<std::string> xdg;
    std::string expected;
  } cases[] = {
      {true, "/data", ""},
      {false, "/data", "/data/marlquin"},
      {false, std::nullopt, "/home/ann/.local/share/marlquin"},
      {false, "", "/home/ann/.local/share/marlquin"},
      {false, "relative/data", "/home/ann/.local/share/marlquin"},
  };
  for (const auto& c : cases) {
    fake.readOnlyFolders.clear();
    if (!c.writable) InstalledForAllUsers();
    fake.environment = {{"HOME", "/home/ann"}};
    if (c.xdg) fake.environment["XDG_DATA_HOME"] = *c.xdg;
    EXPECT_EQ(DataFolder(), c.expected.empty() ? fake.programFolder : c.expected)
        << c.writable << " " << c.xdg.value_or("(unset)");
  }
}

TEST_F(DataFolderTest, WritableProgramFolderKeepsTheScoresBesideTheProgram) {
  RankAtGameOver();
  EXPECT_TRUE(fs::exists(InFolder("Bubble.rec")));
  EXPECT_FALSE(fs::exists(InFolder("xdg")));
}

TEST_F(DataFolderTest, ReadOnlyProgramFolderKeepsScoresAndSavesInTheUsersFolder) {
  InstalledForAllUsers();
  RankAtGameOver();
  EXPECT_FALSE(fs::exists(InFolder("Bubble.rec")));
  const std::optional<std::string> table = ReadFileStart(InFolder("xdg/marlquin/Bubble.rec"), 100);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->substr(0, 13), "Ann\r\n004200\r\n");
  EXPECT_EQ(fake.messages.size(), 1u) << "only the game over box";

  for (auto& row : HighScores) row = {};
  LoadHighScores();
  EXPECT_EQ(HighScores[0][0], "Ann");

  fs::remove_all(InFolder("xdg"));
  AskSaveGameFile();
  ASSERT_EQ(fake.fileDialogs.size(), 1u);
  EXPECT_EQ(fake.fileDialogs[0].initialPath, InFolder("xdg/marlquin/save/26-12-05.sv"));
  EXPECT_TRUE(fs::is_directory(InFolder("xdg/marlquin/save")));
}

TEST_F(DataFolderTest, FolderThatCannotBeCreatedIsNamedToThePlayerAndNothingIsLost) {
  InstalledForAllUsers();
  std::ofstream(InFolder("xdg")) << "not a folder";
  RankAtGameOver();
  ASSERT_EQ(fake.messages.size(), 2u);
  const ShownMessage& told = fake.messages[1];
  EXPECT_NE(told.text.find(InFolder("xdg/marlquin") + " could not be created (Not a directory)"),
            std::string::npos)
      << told.text;
  EXPECT_EQ(told.icon, Platform::Icon::Warning);
  EXPECT_EQ(ReadFileStart(InFolder("xdg"), 100), "not a folder");
  EXPECT_EQ(fake.endCount, 1);
}

}  // namespace
}  // namespace marlquin::test
