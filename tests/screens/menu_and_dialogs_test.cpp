// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/clsBall.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "persistence/HighScoreFile.h"
#include "persistence/SavedGame.h"
#include "screens/clsDlg.h"
#include "screens/clsMenusrc.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScreenTest.h"

namespace marlquin::test {
namespace {

using Menu = ScreenTest;
using Dialogs = ScreenTest;
using HighScoreTable = ScreenTest;

void StartPlaying() {
  NewGame();
  CurScreen = ScreenPlay;
  ScreenTest::Tick();
}

TEST_F(Menu, BeginNewShowsLoadingWhileTheGameIsPreparedAndIgnoresTheMouseMeanwhile) {
  int loadingFrames = 0;
  fake.onYield = [&] {
    if (!MenuScreen->IsLoading()) return;
    Tick();  // a frame tick arriving during the preparation still draws the menu
    ++loadingFrames;
    Click(395, 400);  // EXIT, but the menu is busy
  };
  Click(395, 220);  // Begin New
  EXPECT_GT(loadingFrames, 0);
  EXPECT_EQ(fake.endCount, 0);
  EXPECT_EQ(CurScreen, ScreenPlay);
  EXPECT_FALSE(MenuScreen->IsLoading());
  EXPECT_EQ(Last(log), "loop bgm");
}

TEST_F(Menu, HighScoreAndReturnSwitchScreensAndExitEndsAtOnce) {
  Click(395, 340);
  EXPECT_EQ(CurScreen, ScreenHighScore);
  Tick();
  Click(395, 470);
  EXPECT_EQ(CurScreen, ScreenMenu);
  EXPECT_THROW(Click(395, 400), ProgramEnded);
  EXPECT_TRUE(fake.messages.empty()) << "no question is asked";
}

TEST_F(Menu, LoadGameBeforeAnyGamePreparesThePlayScreenAndACancelStaysOnTheMenu) {
  Click(395, 280);  // Load Game, cancelled
  EXPECT_EQ(CurScreen, ScreenMenu);
  EXPECT_EQ(Last(log), "loop bgm") << "the music starts even so";
  EXPECT_TRUE(PlayScreen->IsInitialized());

  Board.fill(0);
  Board[CellIndex(3, 0)] = 5;
  BallCount = 1;
  Score = 99999;
  std::ofstream(InFolder("save/game.sv"), std::ios::binary) << EncodeSavedGame();
  fake.fileAnswers.push_back(InFolder("save/game.sv"));
  Click(395, 280);
  EXPECT_EQ(CurScreen, ScreenPlay);
  EXPECT_EQ(Score, 99999);
  EXPECT_GE(CurColor, 1);
  EXPECT_LE(CurColor, 3);
  EXPECT_GT(Ball.StepCount, 0) << "the launcher is set up, so the loaded game can be played";
  Fire();
  EXPECT_TRUE(Ball.Flying);
}

TEST_F(Menu, ClicksDuringTheFirstSetUpForLoadGameAreIgnoredAndTheWaitingBallMatchesTheLauncher) {
  bool clicked = false;
  fake.onYield = [&] {
    if (clicked) return;
    clicked = true;
    EXPECT_TRUE(MenuScreen->IsLoading());
    Click(395, 280);  // Load Game again
    Click(395, 220);  // Begin New
  };
  Click(395, 280);  // Load Game, cancelled
  EXPECT_TRUE(clicked);
  EXPECT_EQ(fake.fileDialogs.size(), 1u) << "one open dialog";
  EXPECT_EQ(CurScreen, ScreenMenu);
  EXPECT_FALSE(MenuScreen->IsLoading());
  EXPECT_EQ(Ball.Color, CurColor) << "the ball shot is the ball drawn";
  EXPECT_GT(Ball.StepCount, 0);
}

TEST_F(Menu, TheSpritesSwimBehindEveryScreenThatDrawsTheSea) {
  const int16_t phase = MenuScreen->Sprite(0).Phase();
  Tick();
  CurScreen = ScreenHighScore;
  Tick();
  EXPECT_EQ(MenuScreen->Sprite(0).Phase(), phase + 2);
}

TEST_F(Menu, TheMusicFollowsTheGameAndItsToggleAcrossGames) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool playing;
  };
  const auto returnToMenu = [] {
    Click(100, 320);
    Tick();
    Tick();
    Click(505, 360);
  };
  const Step steps[] = {
      {"Begin New", [] { Click(395, 220); }, true},
      {"music toggle off", [] { Click(134, 524); }, false},
      {"music toggle on", [] { Click(134, 524); }, true},
      {"effects toggle", [] { Click(64, 524); }, true},
      {"Return and OK", returnToMenu, false},
      {"High Score and back",
       [] {
         Click(395, 340);
         Click(395, 470);
       },
       false},
      {"Load Game, cancelled", [] { Click(395, 280); }, true},
      {"Begin New while it plays", [] { Click(395, 220); }, true},
      {"music toggle off", [] { Click(134, 524); }, false},
      {"Return and OK", returnToMenu, false},
      {"Begin New with the music switched off", [] { Click(395, 220); }, false},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(SoundMode("bgm"), step.playing ? "playing" : "stopped") << step.what;
  }
}

TEST_F(HighScoreTable, ShowsTheFileAsStoredAndFollowsItsEditsOnTheNextFrame) {
  CurScreen = ScreenHighScore;
  Tick();
  EXPECT_TRUE(InkBox(SeaColour, QRect(240, 220, 300, 110)).isEmpty()) << "no file: empty rows";

  std::ofstream(InFolder("Bubble.rec"), std::ios::binary)
      << "Low\r\n000100\r\n1/1/26\r\nHigh\r\n009000\r\n";
  Tick();
  EXPECT_EQ(HighScores[0][0], "Low") << "unsorted, as stored";
  EXPECT_EQ(HighScores[1][1], "009000");
  EXPECT_FALSE(InkBox(SeaColour, QRect(245, 225, 100, 20)).isEmpty());
  EXPECT_FALSE(InkBox(SeaColour, QRect(350, 247, 50, 20)).isEmpty());
  EXPECT_TRUE(InkBox(SeaColour, QRect(240, 269, 300, 60)).isEmpty()) << "rows 3 to 5 stay empty";

  std::ofstream(InFolder("Bubble.rec"), std::ios::binary) << "Edited\r\n";
  Tick();
  EXPECT_EQ(HighScores[0][0], "Edited");
}

TEST_F(Dialogs, PauseOpensOnlyOverTheRunningGameWhichGoesOnAndContinueReturnsToIt) {
  PauseDialog->Show();
  EXPECT_EQ(CurScreen, ScreenMenu) << "pause opens only over the play screen";

  StartPlaying();
  const int16_t tick = PushTick;
  PauseDialog->Show();  // draws once, never shown
  EXPECT_EQ(CurScreen, ScreenPause);
  for (int frame = 0; frame < 3; ++frame) Tick();
  EXPECT_EQ(PushTick, tick + 4) << "the game runs on beneath the dialog";

  Click(100, 260);  // where Pause was: the dialog takes the mouse
  EXPECT_EQ(CurScreen, ScreenPause);
  Click(480, 335);
  EXPECT_EQ(CurScreen, ScreenPlay);
}

TEST_F(Dialogs, TheReturnQuestionStaysOpenUntilAnsweredAndOkLeavesForTheSilentMenu) {
  StartPlaying();
  PlayLoop("bgm");
  Click(100, 320);  // Return
  EXPECT_EQ(CurScreen, ScreenDialog);
  EXPECT_EQ(ReturnAskId, 36000);
  Tick();
  Tick();

  Click(400, 300);  // neither button: answer 0, the dialog stays
  EXPECT_EQ(CurScreen, ScreenDialog);
  Click(505, 360);  // OK
  EXPECT_EQ(CurScreen, ScreenMenu);
  EXPECT_EQ(Last(log), "stop bgm");
}

TEST_F(Dialogs, CancelGivesTheGameBackWithTheMusicPlaying) {
  StartPlaying();
  PlayLoop("bgm");
  Click(100, 320);
  Tick();
  Click(335, 360);  // Cancel
  EXPECT_EQ(CurScreen, ScreenPlay);
  EXPECT_EQ(SoundMode("bgm"), "playing");
}

TEST_F(Dialogs, ASingleButtonDialogIgnoresTheSecondButtonsPlace) {
  StartPlaying();
  MessageDialog->Show("Notice", "Title", 0, "OK");
  Tick();
  Tick();
  MoveTo(335, 360);
  EXPECT_EQ(HandOwner, 0) << "no hand where the second button would be";
  EXPECT_TRUE(InkBox(SeaColour, QRect(262, 342, 146, 36)).width() < 146)
      << "and no button drawn there";
  Click(335, 360);
  EXPECT_EQ(CurScreen, ScreenDialog);
  Click(505, 360);
  EXPECT_EQ(CurScreen, ScreenPlay);
}

}  // namespace
}  // namespace marlquin::test
