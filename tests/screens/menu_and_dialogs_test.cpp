// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, the high-score table and the two dialogs, as the player sees and uses
// them: each text is compared with the same text drawn alone in the font and colour the
// screen must use.

#include <fstream>

#include "persistence/SavedGame.h"
#include "screens/clsDlg.h"
#include "screens/clsMenusrc.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
#include "tests/support/ScreenTest.h"

namespace marlquin::test {
namespace {

using Menu = ScreenTest;
using HighScoreTable = ScreenTest;

class Dialogs : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    StartGame();
    Tick();
  }
  // The dialog box at (235, 210): its size read along its top row and its left column.
  static QSize BoxSize() {
    const QRect row = InkBox(SeaColour, QRect(200, 212, 600, 1));
    const QRect column = InkBox(SeaColour, QRect(237, 205, 1, 395));
    return row.isEmpty() ? QSize() : QSize(row.right() - 235, column.bottom() - 210);
  }
  static int Blue(int x, int y) { return static_cast<int>(BackBufferPixel(x, y) & 0xFF); }
  // What the panel shows at area: its gradient, and a text in 12-point Arial Black.
  static std::function<void()> PanelWith(const char* text, int16_t x, int16_t y, QRect area) {
    return [=] {
      FillRect(area.x(), area.y(), int16_t(area.width()), int16_t(area.height()),
               MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF));
      SetFont("Arial Black", 12, Regular);
      DrawText(x, y, text);
    };
  }
};

TEST_F(Menu, ShowsItsVersionAndFourButtonsAndLoadingInTheirPlaceWhileIgnoringTheMouse) {
  Tick();
  Tick();  // from the second frame on, in the black the menu leaves current
  EXPECT_TRUE(
      ShowsText(QRect(445, 100, 250, 30), SeaColour, 450, 105, "Ver " MARLQUIN_VERSION, 12, Black));
  const ButtonPlace buttons[] = {{"Begin New", 320, 200},
                                 {"Load Game", 320, 260},
                                 {"High Score", 320, 320},
                                 {"EXIT", 320, 380}};
  for (const ButtonPlace& button : buttons) ExpectButton(button, Black);

  int loadingFrames = 0;
  fake.onYield = [&] {
    if (!MenuScreen->IsLoading()) return;
    Tick();  // a frame tick arriving during the preparation still draws the menu
    loadingFrames +=
        ShowsText(QRect(255, 195, 300, 50), SeaColour, 260, 200, "Loading ...", 12, Black);
    Click(395, 400);  // EXIT, but the menu is busy
  };
  Click(395, 220);  // Begin New
  EXPECT_GT(loadingFrames, 0) << "\"Loading ...\" where the buttons were";
  EXPECT_EQ(fake.endCount, 0);
  EXPECT_EQ(CurScreen, ScreenPlay);
  EXPECT_FALSE(MenuScreen->IsLoading());
  EXPECT_EQ(Last(log), "loop bgm");
}

TEST_F(Menu, TheHandIsDrawnAtThePointerOverAButtonUntilThePointerMovesOff) {
  const uint32_t hand = 0xFF010203;
  Tick();
  MoveTo(455, 232);  // over "Begin New", right of its caption
  EXPECT_FALSE(fake.pointerVisible);
  Tick();
  const uint32_t hoveredFace = 0xFFDCC8C8;
  EXPECT_EQ(InkBox(hoveredFace, QRect(450, 228, 20, 12)), QRect(455, 232, 8, 8));
  EXPECT_EQ(BackBufferPixel(455, 232), hand);

  ResetCursor();  // a press shows the pointer, yet the hovered button keeps drawing the hand
  MenuScreen->MouseDown();
  Tick();
  EXPECT_TRUE(fake.pointerVisible);
  EXPECT_EQ(BackBufferPixel(455, 232), hand);

  MoveTo(600, 500);
  Tick();
  EXPECT_TRUE(fake.pointerVisible);
  EXPECT_EQ(BackBufferPixel(455, 232), 0xFFC8DCC8u) << "the pressed face, no hand";
  EXPECT_EQ(BackBufferPixel(600, 500), SeaColour);
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

TEST_F(Menu, LoadGameBeforeAnyGamePreparesThePlayScreenIgnoringClicksMeanwhile) {
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
  EXPECT_EQ(Last(log), "loop bgm") << "the music starts even so";
  EXPECT_TRUE(PlayScreen->IsInitialized());
  EXPECT_EQ(Ball.Color, CurColor) << "the ball shot is the ball drawn";

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

// Each tick also checks that its frame starts from a clean slate, as the kept frame needs.
TEST_F(Menu, EveryScreenBeginsItsFrameWithTheWholeSeaAndItsSpritesSwimOnBehindEach) {
  const int16_t phase = MenuScreen->Sprite(0).Phase();
  for (CurScreen = 0; CurScreen < Screens.size(); ++CurScreen) Tick();
  EXPECT_EQ(MenuScreen->Sprite(0).Phase(), phase + 5);
}

TEST_F(HighScoreTable, ShowsTheFileAsStoredInSmallDarkTextAndFollowsItsEditsOnTheNextFrame) {
  CurScreen = ScreenHighScore;
  Tick();
  EXPECT_EQ(BackBufferPixel(0, 0), TableFrameCorner) << "its frame, loaded when first drawn";
  EXPECT_TRUE(InkBox(SeaColour, QRect(240, 220, 300, 110)).isEmpty()) << "no file: empty rows";

  std::ofstream(InFolder("Bubble.rec"), std::ios::binary)
      << "Low\r\n000120\r\n26-01-02\r\nHigh\r\n009000\r\n26-03-04\r\n";
  SetTextColor(255, 0, 0, 255);  // the table sets its own colour
  Tick();
  const auto row = [](int16_t y, const char* name, const char* score, const char* date) {
    return [=] {
      SetFont("Arial Black", 10, Regular);
      SetTextColor(0, 25, 25, 255);
      DrawText(250, y, name);
      DrawText(353, y, score);
      DrawText(410, y, date);
    };
  };
  EXPECT_TRUE(
      AreaLooksLike(QRect(245, 224, 300, 21), SeaColour, row(225, "Low", "000120", "26-01-02")))
      << "unsorted, as stored";
  EXPECT_TRUE(
      AreaLooksLike(QRect(245, 246, 300, 21), SeaColour, row(247, "High", "009000", "26-03-04")));
  EXPECT_TRUE(InkBox(SeaColour, QRect(240, 268, 300, 60)).isEmpty()) << "rows 3 to 5 empty";
  Tick();
  ExpectButton({"Return", 320, 450}, DarkOlive);

  std::ofstream(InFolder("Bubble.rec"), std::ios::binary) << "Edited\r\n";
  Tick();
  EXPECT_EQ(HighScores[0][0], "Edited");
}

TEST_F(Dialogs, PauseGrowsOverTheRunningGameWithIconTextAndContinueButton) {
  CurScreen = ScreenMenu;
  PauseDialog->Show();
  EXPECT_EQ(CurScreen, ScreenMenu) << "pause opens only over the play screen";
  CurScreen = ScreenPlay;
  const int16_t tick = PushTick;
  PauseDialog->Show();  // the first, never shown, draw
  EXPECT_EQ(CurScreen, ScreenPause);
  std::vector<QSize> sizes;
  std::vector<bool> iconShown;
  for (int frame = 0; frame < 3; ++frame) {
    Tick();
    sizes.push_back(BoxSize());
    iconShown.push_back(BackBufferPixel(300, 240) == 0xFFFF0000u);
  }
  EXPECT_EQ(PushTick, tick + 4) << "the game runs on beneath the dialog";
  EXPECT_EQ(sizes, (std::vector<QSize>{{140, 80}, {220, 120}, {335, 150}}));
  EXPECT_EQ(iconShown, (std::vector<bool>{false, true, true}))
      << "contents from the 220 x 120 box on";
  EXPECT_NEAR(Blue(300, 215), 127, 3) << "white at alpha 84 at the top";
  EXPECT_NEAR(Blue(300, 355), 197, 3) << "white at alpha 177 near the bottom";
  EXPECT_NEAR(Blue(350, 240), Blue(350, 242), 3) << "no separator line";
  // The top-left 58 x 58 of the icon at (280, 220), magenta clear.
  EXPECT_EQ(ColourBox(0xFFFF0000, QRect(260, 210, 100, 90)), QRect(290, 230, 38, 38));
  EXPECT_TRUE(ColourBox(0xFFFF00FF, QRect(260, 210, 100, 90)).isEmpty());

  SetTextColor(0, 0, 255, 255);  // the dialog keeps the colour it finds
  Tick();
  const QRect text(350, 242, 200, 32);
  EXPECT_TRUE(AreaLooksLike(text, SeaColour, PanelWith("Game Paused", 360, 245, text)));
  Tick();
  ExpectButton({"Continue", 410, 315}, 0xFFFF0000);

  Click(100, 260);  // where Pause was: the dialog takes the mouse
  EXPECT_EQ(CurScreen, ScreenPause);
  Click(480, 335);
  EXPECT_EQ(CurScreen, ScreenPlay);
}

TEST_F(Dialogs, TheReturnQuestionGrowsWithTitleSeparatorTextAndTwoButtons) {
  Click(100, 320);
  std::vector<QSize> sizes;
  for (int frame = 0; frame < 3; ++frame) {
    Tick();
    sizes.push_back(BoxSize());
  }
  EXPECT_EQ(sizes, (std::vector<QSize>{{140, 80}, {220, 120}, {355, 180}}));
  EXPECT_NEAR(Blue(300, 385), 212, 3) << "white at alpha 197 near the bottom";
  EXPECT_GT(Blue(350, 240), Blue(350, 242) + 10) << "the separator line under the title";

  SetTextColor(0, 25, 25, 255);
  const QRect title(238, 213, 300, 24);
  EXPECT_TRUE(AreaLooksLike(title, SeaColour, PanelWith("Return", 240, 215, title)));
  Tick();
  const QRect message(238, 250, 345, 80);
  EXPECT_TRUE(AreaLooksLike(
      message, SeaColour,
      PanelWith("Return to Main menu will end this game.\r\nReturn?", 240, 255, message)));
  Tick();
  ExpectButton({"OK", 430, 340}, DarkOlive);
  ExpectButton({"Cancel", 260, 340}, DarkOlive);
}

TEST_F(Dialogs, TheReturnQuestionStaysOpenUntilAnsweredAndOnlyOkLeavesForTheSilentMenu) {
  PlayLoop("bgm");
  Click(100, 320);  // Return
  EXPECT_EQ(CurScreen, ScreenDialog);
  EXPECT_EQ(ReturnAskId, 36000);
  Tick();
  Tick();
  Click(400, 300);  // neither button: answer 0, the dialog stays
  EXPECT_EQ(CurScreen, ScreenDialog);
  Click(335, 360);  // Cancel
  EXPECT_EQ(CurScreen, ScreenPlay);
  EXPECT_EQ(SoundMode("bgm"), "playing");

  Click(100, 320);
  Tick();
  Tick();
  Click(505, 360);  // OK
  EXPECT_EQ(CurScreen, ScreenMenu);
  EXPECT_EQ(Last(log), "stop bgm");
}

TEST_F(Dialogs, ASingleButtonDialogIgnoresTheSecondButtonsPlace) {
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
