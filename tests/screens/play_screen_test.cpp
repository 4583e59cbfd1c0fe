// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/clsBall.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/HandCursor.h"
#include "screens/clsBoom.h"
#include "screens/clsDrop.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScreenTest.h"

namespace marlquin::test {
namespace {

class PlayScreenTest : public ScreenTest {
 protected:
  static uint32_t At(int x, int y) { return BackBufferPixel(x, y); }
  // A flight is at most 151 positions, three a tick.
  static void TickUntilLanded() {
    for (int tick = 0; tick < 60 && Ball.Flying; ++tick) Tick();
    EXPECT_FALSE(Ball.Flying);
  }
};

TEST_F(PlayScreenTest, NewGameSetsUpTheScreenOnceAndStartsAFreshGame) {
  // An abandoned game: a ball in the air and a push that filled the cell above the launcher.
  Ball.Flying = true;
  Board[CellIndex(5, 13)] = 2;
  StartGame(0.9, 0.3);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(Level, 0);
  EXPECT_EQ(AimStep, 0);
  EXPECT_DOUBLE_EQ(ShootAngle, 45 * 3.141593 / 90);
  EXPECT_EQ(PushLimit, 1000);
  EXPECT_EQ(PushTick, 0);
  EXPECT_EQ(CurColor, 3);
  EXPECT_EQ(NextColor, 2);
  EXPECT_EQ(BallCount, 44);
  EXPECT_EQ(CountOccupied(), 44);
  EXPECT_FALSE(Ball.Flying);
  EXPECT_EQ(Ball.Color, 3);
  EXPECT_EQ(SoundOn, 1);
  EXPECT_EQ(MusicOn, 1);
  EXPECT_EQ(fake.yields, 5 + 4) << "five in the new game, one after each sound opened";
  EXPECT_EQ(log, (EventLog{"open Ding", "open bomb", "open pao", "open bgm"}));

  // A second game keeps what the player set on the toggles.
  Click(64, 524);
  EXPECT_EQ(SoundOn, 0);
  StartGame();
  EXPECT_EQ(SoundOn, 0);
  EXPECT_EQ(PlayScreen->SoundToggle().Checked, 0);
}

TEST_F(PlayScreenTest, FiringMovesTheNextColourUpAndIgnoresRepeatsWhileFlying) {
  StartGame();
  NextColor = 4;
  ScriptRandom({0.99, 3.5 / 7});
  Fire();
  EXPECT_EQ(CurColor, 4);
  EXPECT_EQ(NextColor, 7) << "round(6 x 0.99 + 1) is the bomb";
  EXPECT_TRUE(GuideShot);
  EXPECT_EQ(PlayScreen->ShotFrames, 5);
  EXPECT_TRUE(Ball.Flying);

  PlayScreen->ShotFrames = 2;
  ScriptRandom({0.0, 0.0});
  Fire();
  EXPECT_EQ(CurColor, 4);
  EXPECT_EQ(NextColor, 7);
  EXPECT_EQ(PlayScreen->ShotFrames, 2);
}

TEST_F(PlayScreenTest, TheNewWaitingBallRisesNinePixelsATickAfterAShot) {
  StartGame(0.0, 0.9);       // waiting colour 1, next colour 3
  ScriptRandom({0.0, 0.0});  // the new next colour 1, no guide
  Fire();
  const uint32_t waiting = BallColour(CurColor);
  std::vector<int> tops;
  for (int tick = 0; tick < 6; ++tick) {
    Tick();
    int top = 500;
    for (int y = 400; y < 500; ++y) {
      if (At(392, y) == waiting) {
        top = y;
        break;
      }
    }
    tops.push_back(top);
  }
  EXPECT_EQ(tops, (std::vector<int>{445, 436, 427, 418, 409, 409}));
  EXPECT_EQ(At(392, 490), BallColour(NextColor)) << "the next ball below at (377, 469)";
}

TEST_F(PlayScreenTest, TheBoardShakesDuringTheLastTwelveTicksBeforeAPush) {
  std::vector<int> offsets;
  for (int d = 12; d >= 0; --d) offsets.push_back(clsPlaysrc::ShakeOffset(static_cast<int16_t>(d)));
  EXPECT_EQ(offsets, (std::vector<int>{0, 1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1, 0}));
  EXPECT_EQ(clsPlaysrc::ShakeOffset(-1), 1) << "overdue ticks keep the same four-step pattern";

  StartGame();
  PushLimit = 1000;
  PushTick = 988;  // d = 12 at drawing time, 11 on the next tick
  Tick();
  EXPECT_EQ(At(242, 61), BallColour(1));
  EXPECT_NE(At(241, 61), BallColour(1));
  Tick();
  EXPECT_EQ(At(243, 61), BallColour(1)) << "moved one pixel to the right";
  EXPECT_EQ(At(242, 61), SeaColour);
}

TEST_F(PlayScreenTest, TheGuideMarksEveryRoundedThirtiethPathPosition) {
  auto marks = [](int16_t n) {
    int count = 0;
    for (int i = 0; i <= n - 1; i += clsPlaysrc::GuideStep(n)) ++count;
    return count;
  };
  EXPECT_EQ(marks(0), 0);
  EXPECT_EQ(marks(15), 15);
  EXPECT_EQ(marks(45), 23);
  EXPECT_EQ(marks(100), 34);

  StartGame();
  GuideShot = true;
  Tick();
  const uint32_t mark = BallColour(8);
  EXPECT_EQ(At(392, 424), mark) << "over the waiting ball";
  // Straight up from the launcher: marks at the stored path positions, the first at the launcher.
  EXPECT_EQ(At(227 + Ball.GetStepx(2) + 15, 60 + Ball.GetStepy(2) + 15), mark);
}

TEST_F(PlayScreenTest, TheExplosionGrowsShrinksAndFadesCentredInItsBox) {
  StartGame();
  std::vector<QRect> boxes;
  std::vector<int> reds;  // of the orange picture over black at the box's centre
  Boom.init(-42, 140);    // box at (200, 200)
  for (int tick = 0; tick < 7; ++tick) {
    FillRect(0, 0, 800, 600, MakeBrush(0, 0, 0, 255));
    Boom.Show();
    boxes.push_back(InkBox(0xFF000000, QRect(150, 150, 200, 200)));
    reds.push_back(int(At(250, 250) >> 16 & 0xFF));
  }
  const int fading[] = {255, 213, 170, 128, 85, 43, 0};  // opacity 6/6 down to 1/6, then gone
  for (int tick = 0; tick < 7; ++tick)
    EXPECT_NEAR(reds[tick], fading[tick], 2) << "tick " << tick + 1;
  EXPECT_EQ(boxes[0], QRect(225, 231, 50, 38));
  EXPECT_EQ(boxes[1], QRect(210, 220, 80, 60));
  EXPECT_EQ(boxes[2], QRect(200, 212, 100, 75));
  EXPECT_EQ(boxes[3], QRect(212, 222, 75, 56));
  EXPECT_EQ(boxes[5], QRect(238, 240, 25, 19)) << "37.5 and 40.5 round half to even";
  EXPECT_TRUE(boxes[6].isEmpty());

  Boom.init(-42, 141);  // BoomY 201: the half pixel of the third tick now rounds up
  Boom.Show();
  Boom.Show();
  FillRect(0, 0, 800, 600, MakeBrush(0, 0, 0, 255));
  Boom.Show();
  EXPECT_EQ(InkBox(0xFF000000, QRect(150, 150, 200, 200)).top(), 214);
}

TEST_F(PlayScreenTest, FallingBallsTakeSlotsRoundRobinAndDriftByTheirSlot) {
  std::vector<std::string> drawn;
  auto record = [&](int16_t color, double x, double y) {
    drawn.push_back(std::to_string(color) + "@" + std::to_string(int(x)) + "," +
                    std::to_string(int(y)));
  };
  Drop.AddDBalls(100, 200, 3);
  Drop.AddDBalls(100, 200, 4);
  EXPECT_EQ(Drop.DropSlot, 2);
  EXPECT_EQ(Drop.DropDir[1], 1);
  EXPECT_EQ(Drop.DropDir[2], 0);
  Drop.AutoDrop(record);
  EXPECT_EQ(drawn, (std::vector<std::string>{"3@94,187", "4@106,187"}))
      << "board (100, 200) moves to (106, 187) or (94, 187): window (333, 247) or (321, 247)";

  for (int i = 3; i <= 21; ++i) Drop.AddDBalls(0, 0, 1);
  EXPECT_EQ(Drop.DropSlot, 0) << "the 21st ball goes into slot 0";
  Drop.AddDBalls(0, 0, 2);
  EXPECT_EQ(Drop.DropSlot, 1);
  EXPECT_EQ(Drop.DropLife[1], 30) << "the 22nd overwrites slot 1";

  clsDrop single;
  single.AddDBalls(0, 0, 5);
  int draws = 0;
  for (int tick = 0; tick < 31; ++tick) single.AutoDrop([&](int16_t, double, double) { ++draws; });
  EXPECT_EQ(draws, 30);
  EXPECT_EQ(single.DropY[1], 480 - 0 + 0) << "480 below its start after 30 ticks";
  EXPECT_EQ(single.DropX[1], -69);
}

TEST_F(PlayScreenTest, AReleaseFiresUnlessAWidgetTakesIt) {
  StartGame();
  Click(400, 200);  // over the playfield
  EXPECT_TRUE(Ball.Flying);
  TickUntilLanded();

  Click(100, 150);  // Save
  ASSERT_EQ(fake.fileDialogs.size(), 1u);
  EXPECT_TRUE(fake.fileDialogs[0].save);
  Click(100, 210);  // Load
  EXPECT_EQ(fake.fileDialogs.size(), 2u);
  EXPECT_FALSE(Ball.Flying);

  Click(20, 160);  // the panel between and beside the buttons
  EXPECT_TRUE(Ball.Flying);
  TickUntilLanded();

  // Pressed on Pause, released over the playfield: a shot and no dialog.
  MoveTo(100, 260);
  PlayScreen->MouseDown();
  MoveTo(400, 200);
  PlayScreen->MouseUp();
  EXPECT_TRUE(Ball.Flying);
  EXPECT_EQ(CurScreen, ScreenPlay);
  TickUntilLanded();

  // Pressed over the playfield, released over Pause: the pause dialog.
  MoveTo(400, 200);
  PlayScreen->MouseDown();
  MoveTo(100, 260);
  PlayScreen->MouseUp();
  EXPECT_FALSE(Ball.Flying);
  EXPECT_EQ(CurScreen, ScreenPause);

  CurScreen = ScreenPlay;
  Click(100, 320);  // Return
  EXPECT_EQ(CurScreen, ScreenDialog);
  EXPECT_FALSE(Ball.Flying);
}

TEST_F(PlayScreenTest, TheTogglesActAtThePress) {
  StartGame();
  MusicOn = 1;
  PlayLoop("bgm");
  log.clear();

  MoveTo(64, 524);
  PlayScreen->MouseDown();
  EXPECT_EQ(SoundOn, 0) << "effects off at the press";
  PlayScreen->MouseUp();
  EXPECT_FALSE(Ball.Flying) << "the release over the toggle does not fire";

  MoveTo(134, 524);
  PlayScreen->MouseDown();
  EXPECT_EQ(MusicOn, 0);
  EXPECT_EQ(Last(log), "stop bgm");
  PlayScreen->MouseUp();
  Click(134, 524);
  EXPECT_EQ(MusicOn, 1);
  EXPECT_EQ(Last(log), "resume bgm");

  log.clear();
  Click(400, 200);
  EXPECT_EQ(SoundOn, 0) << "a press elsewhere re-reads the effects toggle";
  EXPECT_TRUE(log.empty()) << "and leaves the music alone";
}

TEST_F(PlayScreenTest, AScriptedShotBurstsAGroupOnScreen) {
  StartGame(0.0, 0.0);  // every ball of the board and both starting balls are colour 1
  for (int col = 0; col < 11; ++col) {
    Board[CellIndex(col, 2)] = 0;
    Board[CellIndex(col, 3)] = col == 5 ? 0 : 2;
  }
  Ball.NewBall(ShootAngle, CurColor);
  BallCount = static_cast<int16_t>(CountOccupied());
  Tick();
  EXPECT_EQ(At(227 + 180 + 5, 60 + 78 + 5), BallColour(2)) << "a colour-2 ball in row 3";

  ScriptRandom({0.0, 0.0});  // no guide marks
  Click(400, 300);
  TickUntilLanded();
  // The ball rose through the gap at (5, 3) and (5, 2) and joined the colour-1 rows above.
  EXPECT_EQ(Score, 23 * 10 + 10 * 20) << "the ball and rows 0 and 1 burst, row 3 fell";
  EXPECT_EQ(CountOccupied(), 0);
  for (int tick = 0; tick < 30; ++tick) Tick();  // until the falling balls are gone
  EXPECT_EQ(At(242 + 150 + 5, 65), SeaColour) << "the emptied top row shows the sea";
  EXPECT_FALSE(InkBox(SeaColour, QRect(100, 20, 70, 25)).isEmpty()) << "the score text";
}

}  // namespace
}  // namespace marlquin::test
