// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the player sees on each screen, read back from the back buffer: every picture of the
// test res/ is a flat colour of its own, and each text is compared with the same text drawn
// alone in the font and colour the screen must use.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "core/ShotEffects.h"
#include "core/clsLvlup.h"
#include "core/clsWaterPoint.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "screens/clsBoom.h"
#include "screens/clsDlg.h"
#include "screens/clsDrop.h"
#include "screens/clsMenusrc.h"
#include "screens/clsPauseDlg.h"
#include "screens/clsPlaysrc.h"
#include "shell/Screens.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScreenTest.h"

namespace marlquin::test {
namespace {

constexpr uint32_t Black = 0xFF000000;
constexpr uint32_t DarkOlive = 0xFF191900;     // the window's start-up text colour
constexpr uint32_t ButtonUpFace = 0xFFC8C8C8;  // the test face sheet's pointer-away, up cell

struct ButtonPlace {
  const char* caption;
  int16_t left, top;
};

class ScreenPictures : public ScreenTest {
 protected:
  // A 150 x 40 text button's face, and its caption centred on ten pixels a character.
  static void ExpectButton(const ButtonPlace& button, uint32_t textColour) {
    SCOPED_TRACE(button.caption);
    EXPECT_EQ(BackBufferPixel(button.left + 1, button.top + 1), ButtonUpFace);
    EXPECT_EQ(BackBufferPixel(button.left + 148, button.top + 38), ButtonUpFace);
    EXPECT_NE(BackBufferPixel(button.left + 150, button.top + 20), ButtonUpFace);
    const auto captionX =
        static_cast<int16_t>(button.left + 75 - 5 * std::string(button.caption).size());
    EXPECT_TRUE(ShowsText(QRect(button.left + 2, button.top + 2, 146, 36), ButtonUpFace, captionX,
                          static_cast<int16_t>(button.top + 5), button.caption, 12, textColour));
  }
  // The dialog box at (235, 210): its size read along its top row and its left column.
  static QSize BoxSize() {
    const QRect row = InkBox(SeaColour, QRect(200, 212, 600, 1));
    const QRect column = InkBox(SeaColour, QRect(237, 205, 1, 395));
    return row.isEmpty() ? QSize() : QSize(row.right() - 235, column.bottom() - 210);
  }
  static int Blue(int x, int y) { return static_cast<int>(BackBufferPixel(x, y) & 0xFF); }
  void StartPlaying() {
    StartGame();
    Tick();
  }
};

TEST_F(ScreenPictures, TheMenuShowsItsVersionAndFourButtonsAndLoadingInTheirPlace) {
  Tick();
  Tick();  // from the second frame on, in the black the menu leaves current
  EXPECT_TRUE(ShowsText(QRect(445, 100, 250, 30), SeaColour, 450, 105, "Ver 1.1.5", 12, Black));
  const ButtonPlace buttons[] = {{"Begin New", 320, 200},
                                 {"Load Game", 320, 260},
                                 {"High Score", 320, 320},
                                 {"EXIT", 320, 380}};
  for (const ButtonPlace& button : buttons) ExpectButton(button, Black);

  bool loadingShown = false;
  fake.onYield = [&] {
    if (loadingShown || !MenuScreen->IsLoading()) return;
    Tick();
    loadingShown =
        ShowsText(QRect(255, 195, 300, 50), SeaColour, 260, 200, "Loading ...", 12, Black);
  };
  Click(395, 220);
  EXPECT_TRUE(loadingShown) << "\"Loading ...\" where the buttons were";
}

TEST_F(ScreenPictures, ThePlayScreenShowsPaddedScoreLevelAndItsButtons) {
  StartGame();
  Score = 7;
  Level = 9;
  Tick();
  EXPECT_TRUE(ShowsText(QRect(98, 18, 125, 30), SeaColour, 100, 20, "00007", 12, DarkOlive));
  EXPECT_TRUE(ShowsText(QRect(98, 58, 125, 30), SeaColour, 100, 60, " 10", 12, DarkOlive));
  Score = 1234567;
  Tick();
  EXPECT_TRUE(ShowsText(QRect(98, 18, 125, 30), SeaColour, 100, 20, "1234567", 12, DarkOlive));
  Tick();
  const ButtonPlace buttons[] = {
      {"Save", 38, 120}, {"Load", 38, 180}, {"Pause", 38, 240}, {"Return", 38, 300}};
  for (const ButtonPlace& button : buttons) ExpectButton(button, DarkOlive);
}

TEST_F(ScreenPictures, ATogglesFaceFollowsItsCheckAndThePointer) {
  StartPlaying();
  // The test toggle sheet: red 40 in the pointer-over column, green 40 in the checked row.
  auto face = [] { return BackBufferPixel(41, 501) & 0xFFFFFF; };
  struct Step {
    const char* what;
    std::function<void()> act;
    uint32_t face;
  };
  const Step steps[] = {
      {"checked at the start", [] {}, 0x00285A},
      {"pointer over it", [] { MoveTo(64, 524); }, 0x28285A},
      {"pressed: unchecked but held down", [] { PlayScreen->MouseDown(); }, 0x28285A},
      {"released", [] { PlayScreen->MouseUp(); }, 0x28005A},
      {"pointer away", [] { MoveTo(300, 300); }, 0x00005A},
  };
  for (const Step& step : steps) {
    step.act();
    Tick();
    EXPECT_EQ(face(), step.face) << step.what;
  }
  EXPECT_EQ(BackBufferPixel(111, 501) & 0xFFFFFF, 0x00285Au)
      << "the music toggle, checked, at (110, 500)";
  MoveTo(134, 524);
  Tick();
  EXPECT_EQ(BackBufferPixel(134, 524), 0xFF010203u) << "the hand over the toggle";
}

TEST_F(ScreenPictures, TheHandIsDrawnAtThePointerOverAWidgetUntilThePointerMovesOff) {
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

TEST_F(ScreenPictures, TheTimeBarGrowsFromYellowToRedInHalfOpacity) {
  StartPlaying();
  PushLimit = 1000;
  struct Bar {
    int16_t tick;
    int height;
    uint32_t colour;  // 128/255 of the bar's colour over the sea
  };
  // From level 20 on the limit is 0 or below and a push is due every tick: a full bar.
  const Bar bars[] = {{10, 1, 0xFF888220},    {15, 1, 0xFF888220},  {500, 32, 0xFF884A20},
                      {1000, 64, 0xFF881020}, {20, 64, 0xFF881020}, {30, 64, 0xFF881020}};
  for (const Bar& bar : bars) {
    if (bar.tick == 20) PushLimit = 0;
    if (bar.tick == 30) PushLimit = -60;
    PushTick = static_cast<int16_t>(bar.tick - 1);
    Tick();
    EXPECT_EQ(InkBox(SeaColour, QRect(540, 420, 30, 80)),
              QRect(546, 495 - bar.height, 19, bar.height))
        << "tick " << bar.tick;
    const uint32_t seen = BackBufferPixel(550, 494);
    for (int shift : {16, 8, 0}) {
      EXPECT_NEAR(int(seen >> shift & 0xFF), int(bar.colour >> shift & 0xFF), 1)
          << "tick " << bar.tick;
    }
  }
}

TEST_F(ScreenPictures, TheLauncherLeansWithTheAimTurningAboutTheWaitingBall) {
  StartPlaying();
  const uint32_t launcher = 0xFFC8C8C8;
  struct Lean {
    int16_t aim;
    QPoint inside, outside;
  };
  // Points a quarter along the picture's top edge and a tenth down its side.
  const Lean leans[] = {
      {0, {382, 368}, {335, 424}}, {40, {335, 424}, {382, 368}}, {-40, {446, 404}, {382, 368}}};
  for (const Lean& lean : leans) {
    AimStep = lean.aim;
    Tick();
    EXPECT_EQ(BackBufferPixel(lean.inside.x(), lean.inside.y()), launcher) << "aim " << lean.aim;
    EXPECT_EQ(BackBufferPixel(lean.outside.x(), lean.outside.y()), SeaColour) << "aim " << lean.aim;
  }
  AimStep = 0;
  Tick();
  EXPECT_EQ(InkBox(SeaColour, QRect(300, 340, 200, 110)), QRect(372, 360, 40, 80));
}

TEST_F(ScreenPictures, ThePlayScreensTickDrawsEveryEffect) {
  StartPlaying();
  Lvlup.Levelup();
  Effects().BoomInit(-42, 140);    // the explosion's box at (200, 200)
  Effects().DropAdd(100, 400, 3);  // slot 1 drifts left: board (94, 387)
  ScriptRandom({0, 0, 0, 0, 0});   // droplet speeds 6
  Effects().WaterPointInit(600, 400);
  Tick();
  EXPECT_EQ(InkBox(SeaColour, QRect(300, 240, 200, 60)), QRect(318, 250, 160, 45)) << "banner";
  EXPECT_EQ(BackBufferPixel(250, 250), 0xFFFF8000u) << "explosion, first frame opaque";
  EXPECT_EQ(InkBox(SeaColour, QRect(190, 175, 100, 125)), QRect(225, 231, 50, 38));
  EXPECT_EQ(BackBufferPixel(321, 447), BallColour(3)) << "falling ball at window (321, 447)";
  EXPECT_NE(BackBufferPixel(320, 447), BallColour(3));
  EXPECT_EQ(InkBox(SeaColour, QRect(560, 300, 100, 120)).bottom(), 394 + 15) << "droplets rose 6";
}

TEST_F(ScreenPictures, ThePauseDialogGrowsOverTheGameWithIconTextAndButton) {
  StartPlaying();
  PauseDialog->Show();  // the first, never shown, draw
  std::vector<QSize> sizes;
  std::vector<bool> iconShown;
  for (int frame = 0; frame < 3; ++frame) {
    Tick();
    sizes.push_back(BoxSize());
    iconShown.push_back(BackBufferPixel(300, 240) == 0xFFFF0000u);
  }
  EXPECT_EQ(sizes, (std::vector<QSize>{{140, 80}, {220, 120}, {335, 150}}));
  EXPECT_EQ(iconShown, (std::vector<bool>{false, true, true}))
      << "contents from the 220 x 120 box on";
  EXPECT_NEAR(Blue(300, 215), 127, 3) << "white at alpha 84 at the top";
  EXPECT_NEAR(Blue(300, 355), 197, 3) << "white at alpha 177 near the bottom";
  EXPECT_NEAR(Blue(350, 240), Blue(350, 242), 3) << "no separator line";

  QRect icon;
  int magenta = 0;
  for (int y = 210; y < 300; ++y) {
    for (int x = 260; x < 360; ++x) {
      if (BackBufferPixel(x, y) == 0xFFFF0000u) icon |= QRect(x, y, 1, 1);
      magenta += BackBufferPixel(x, y) == 0xFFFF00FFu;
    }
  }
  EXPECT_EQ(magenta, 0);
  EXPECT_EQ(icon, QRect(290, 230, 38, 38))
      << "the top-left 58 x 58 of the icon at (280, 220), magenta clear";
  SetTextColor(0, 0, 255, 255);  // the dialog keeps the colour it finds
  Tick();
  EXPECT_TRUE(AreaLooksLike(QRect(350, 242, 200, 32), SeaColour, [] {
    FillRect(350, 242, 200, 32, MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF));
    SetFont("Arial Black", 12, Regular);
    DrawText(360, 245, "Game Paused");
  }));
  Tick();
  ExpectButton({"Continue", 410, 315}, 0xFFFF0000);
}

TEST_F(ScreenPictures, TheReturnQuestionShowsTitleSeparatorTextAndTwoButtons) {
  StartPlaying();
  Click(100, 320);
  std::vector<QSize> sizes;
  for (int frame = 0; frame < 3; ++frame) {
    Tick();
    sizes.push_back(BoxSize());
  }
  EXPECT_EQ(sizes, (std::vector<QSize>{{140, 80}, {220, 120}, {355, 180}}));
  EXPECT_NEAR(Blue(300, 385), 212, 3) << "white at alpha 197 near the bottom";
  EXPECT_GT(Blue(350, 240), Blue(350, 242) + 10) << "the separator line under the title";

  const auto gradientWith = [](const char* text, int16_t x, int16_t y, QRect area) {
    return [=] {
      FillRect(area.x(), area.y(), int16_t(area.width()), int16_t(area.height()),
               MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF));
      SetFont("Arial Black", 12, Regular);
      SetTextColor(0, 25, 25, 255);
      DrawText(x, y, text);
    };
  };
  const QRect title(238, 213, 300, 24);
  EXPECT_TRUE(AreaLooksLike(title, SeaColour, gradientWith("Return", 240, 215, title)));
  Tick();
  const QRect message(238, 250, 345, 80);
  EXPECT_TRUE(AreaLooksLike(
      message, SeaColour,
      gradientWith("Return to Main menu will end this game.\r\nReturn?", 240, 255, message)));
  Tick();
  ExpectButton({"OK", 430, 340}, DarkOlive);
  ExpectButton({"Cancel", 260, 340}, DarkOlive);
}

TEST_F(ScreenPictures, TheHighScoreTableShowsEachRowInSmallDarkTextUnderItsColumns) {
  std::ofstream(InFolder("Bubble.rec"), std::ios::binary)
      << "Ann\r\n009000\r\n26-01-02\r\nBob\r\n000120\r\n26-03-04\r\n";
  CurScreen = ScreenHighScore;
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
      AreaLooksLike(QRect(245, 224, 300, 21), SeaColour, row(225, "Ann", "009000", "26-01-02")));
  EXPECT_TRUE(
      AreaLooksLike(QRect(245, 246, 300, 21), SeaColour, row(247, "Bob", "000120", "26-03-04")));
  EXPECT_TRUE(InkBox(SeaColour, QRect(240, 268, 300, 60)).isEmpty()) << "rows 3 to 5 empty";
  Tick();
  ExpectButton({"Return", 320, 450}, DarkOlive);
}

}  // namespace
}  // namespace marlquin::test
