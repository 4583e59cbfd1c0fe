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
  fs::rename(InFolder("save"), InFolder("Save"));  // the player's own folder, their spelling
  RankAtGameOver();
  EXPECT_TRUE(fs::exists(InFolder("Bubble.rec")));
  EXPECT_FALSE(fs::exists(InFolder("xdg")));
  AskSaveGameFile();
  ASSERT_EQ(fake.fileDialogs.size(), 1u);
  EXPECT_EQ(fake.fileDialogs[0].initialPath, InFolder("Save/26-12-05.sv"));
  EXPECT_FALSE(fs::exists(InFolder("save")));
}

TEST_F(DataFolderTest, ReadOnlyProgramFolderKeepsScoresAndSavesInTheUsersFolder) {
  InstalledForAllUsers();
  const std::string keptBeside = "Bo\r\n009000\r\nd\r\n";  // from before it became read-only
  std::ofstream(InFolder("Bubble.rec")) << keptBeside;
  RankAtGameOver();
  EXPECT_EQ(ReadFileStart(InFolder("Bubble.rec"), 100), keptBeside);
  const std::optional<std::string> table = ReadFileStart(InFolder("xdg/marlquin/Bubble.rec"), 100);
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->starts_with(keptBeside + "Ann\r\n004200\r\n")) << *table;
  EXPECT_EQ(fake.messages.size(), 1u) << "only the game over box";
  EXPECT_FALSE(fs::exists(InFolder("xdg/marlquin/save"))) << "made only to save a game into";

  for (auto& row : HighScores) row = {};
  LoadHighScores();
  EXPECT_EQ(HighScores[1][0], "Ann") << "the user's own table is read once there is one";

  fs::remove_all(InFolder("xdg"));
  AskSaveGameFile();  // cancelled
  ASSERT_EQ(fake.fileDialogs.size(), 1u);
  const std::string proposed = InFolder("xdg/marlquin/save/26-12-05.sv");
  EXPECT_EQ(fake.fileDialogs[0].initialPath, proposed);
  EXPECT_FALSE(fs::exists(InFolder("xdg"))) << "a cancelled Save leaves nothing behind";
  fake.fileAnswers = {proposed};
  SaveGame();
  EXPECT_TRUE(FileExists(proposed));
}

TEST_F(DataFolderTest, ADanglingLinkNamedSaveNeitherStopsTheScoreNorIsReplaced) {
  InstalledForAllUsers();
  fs::create_directories(InFolder("xdg/marlquin"));
  fs::create_symlink(InFolder("nowhere"), InFolder("xdg/marlquin/save"));
  RankAtGameOver();
  EXPECT_TRUE(fs::exists(InFolder("xdg/marlquin/Bubble.rec")));
  EXPECT_EQ(fake.messages.size(), 1u) << "only the game over box";

  AskSaveGameFile();
  ASSERT_EQ(fake.messages.size(), 2u);
  EXPECT_NE(fake.messages[1].text.find(InFolder("xdg/marlquin/save")), std::string::npos);
  EXPECT_EQ(fake.fileDialogs[0].initialPath, "26-12-05.sv") << "no folder to propose";
  EXPECT_TRUE(fs::is_symlink(InFolder("xdg/marlquin/save")));
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
