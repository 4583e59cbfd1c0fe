// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The play screen as the player sees and uses it, read back from the back buffer: every
// picture of the test res/ is a flat colour of its own.

#include "core/ShotEffects.h"
#include "screens/clsPlaysrc.h"
#include "shell/Gamectrl.h"
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

TEST_F(PlayScreenTest, ANewGameAfterOneAbandonedWithReturnStartsAfreshBeforeItsFirstTick) {
  StartGame();
  Tick();
  Score = 5000;
  Level = 3;
  PushLimit = 1020;
  PushTick = 700;
  Lvlup.Levelup();
  AimStep = 10;
  Board[CellIndex(5, 13)] = 2;  // a push filled the cell above the launcher
  Ball.Flying = true;
  Click(100, 320);  // Return
  Tick();
  Tick();
  Click(505, 360);  // OK
  ASSERT_EQ(CurScreen, ScreenMenu);
  const int yields = fake.yields;

  StartGame(0.9, 0.3);
  // A new game's counters (the play screen, sound and music on), no banner, 44 bubbles, and
  // the ball on the launcher aimed straight up against the new board.
  EXPECT_EQ(Counters::Now(), (Counters{0, 0, 1000, 0, 44, 3, 2, 0, ScreenPlay, 1, 1, 0, 3, 17}));
  EXPECT_EQ(Lvlup.FramesLeft(), 0);
  EXPECT_EQ(CountOccupied(), 44);
  EXPECT_DOUBLE_EQ(ShootAngle, 45 * 3.141593 / 90);
  EXPECT_EQ(fake.yields - yields, 5) << "set up the first time only";
  EXPECT_EQ(log, (EventLog{"open Ding", "open bomb", "open pao", "open bgm", "stop bgm"}));
  EXPECT_EQ(SoundOn, 1);
  EXPECT_EQ(MusicOn, 1);

  // A later game keeps what the player set on the toggles.
  Click(64, 524);
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

TEST_F(PlayScreenTest, AShotFliesThreePositionsATickAndRestsInItsCellOnTheTickItGetsThere) {
  StartGame(0.5, 0.9);       // waiting colour 2, next colour 3, over rows of colour 1
  ScriptRandom({0.0, 0.0});  // the new next colour 1, no guide
  Fire();
  // Straight up, path position i is at (377, 409 - 16i) on the screen; the 18th would lie in
  // row 3, so the ball rests in (5, 4) at (392, 164) once it reaches position 16: on the tick
  // that takes it from 15 to 18. The new waiting ball rises nine pixels a tick.
  const QRect flying[] = {{377, 313, 30, 30}, {377, 265, 30, 30}, {377, 217, 30, 30},
                          {377, 169, 30, 30}, {392, 164, 30, 30}, {392, 164, 30, 30}};
  const int waitingTop[] = {445, 436, 427, 418, 409, 409};
  for (int tick = 0; tick < 6; ++tick) {
    Tick();
    EXPECT_EQ(ColourBox(BallColour(2), QRect(300, 100, 200, 250)), flying[tick]) << "tick " << tick;
    EXPECT_EQ(ColourBox(BallColour(3), QRect(377, 400, 30, 80)).top(), waitingTop[tick]);
  }
  EXPECT_EQ(At(392, 490), BallColour(1)) << "the next ball below at (377, 469)";
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

TEST_F(PlayScreenTest, TheGuideMarksTheWaitingBallAndEveryRoundedThirtiethPositionToTheLast) {
  const int steps[][2] = {{0, 1}, {15, 1}, {45, 2}, {75, 2}, {100, 3}};  // 1.5 up, 2.5 down
  for (const auto& [count, step] : steps) EXPECT_EQ(clsPlaysrc::GuideStep(count), step) << count;

  StartGame();
  GuideShot = true;
  Tick();
  const uint32_t mark = BallColour(8);
  EXPECT_EQ(At(392, 424), mark) << "over the waiting ball";
  // Straight up: 17 positions (the 18th lies in row 3), one mark on each, the last at
  // (377, 409 - 16 x 16) over the board's row 3.
  EXPECT_EQ(ColourBox(mark, QRect(370, 100, 50, 400)), QRect(377, 153, 30, 286));
}

TEST_F(PlayScreenTest, ThePlayScreenShowsPaddedScoreLevelAndItsButtons) {
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

TEST_F(PlayScreenTest, TheTimeBarGrowsFromYellowToRedInHalfOpacity) {
  StartGame();
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
    const uint32_t seen = At(550, 494);
    for (int shift : {16, 8, 0}) {
      EXPECT_NEAR(int(seen >> shift & 0xFF), int(bar.colour >> shift & 0xFF), 1)
          << "tick " << bar.tick;
    }
  }
}

TEST_F(PlayScreenTest, TheLauncherLeansWithTheAimTurningAboutTheWaitingBall) {
  StartGame();
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
    EXPECT_EQ(At(lean.inside.x(), lean.inside.y()), launcher) << "aim " << lean.aim;
    EXPECT_EQ(At(lean.outside.x(), lean.outside.y()), SeaColour) << "aim " << lean.aim;
  }
  AimStep = 0;
  Tick();
  EXPECT_EQ(InkBox(SeaColour, QRect(300, 340, 200, 110)), QRect(372, 360, 40, 80));
}

TEST_F(PlayScreenTest, TheTickDrawsEveryEffectOverTheGame) {
  StartGame();
  Tick();
  Lvlup.Levelup();
  Effects().BoomInit(-42, 140);    // the explosion's box at (200, 200)
  Effects().DropAdd(100, 400, 3);  // slot 1 drifts left: board (94, 387)
  ScriptRandom({0, 0, 0, 0, 0});   // droplet speeds 6
  Effects().WaterPointInit(600, 400);
  Tick();
  EXPECT_NE(At(400, 270), SeaColour) << "the banner";
  EXPECT_EQ(At(250, 250), 0xFFFF8000u) << "the explosion, opaque at first";
  EXPECT_EQ(At(321, 447), BallColour(3)) << "a falling ball at window (321, 447)";
  EXPECT_EQ(At(591, 394), 0xFF00FFFFu) << "droplets risen by 6";
}

TEST_F(PlayScreenTest, TheExplosionGrowsShrinksAndFadesCentredInItsBox) {
  StartGame();
  Boom.init(-42, 140);  // box at (200, 200)
  // Where the orange picture is drawn over black, and its red at the box's centre: opacity
  // 6/6 down to 1/6, then gone. 37.5 and 40.5 round half to even on the sixth tick.
  const struct {
    QRect box;
    int red;
  } ticks[] = {{{225, 231, 50, 38}, 255},
               {{210, 220, 80, 60}, 213},
               {{200, 212, 100, 75}, 170},
               {{212, 222, 75, 56}, 128},
               {{225, 231, 50, 38}, 85},
               {{238, 240, 25, 19}, 43},
               {{}, 0}};
  for (const auto& tick : ticks) {
    ClearTo(Black);
    Boom.Show();
    EXPECT_EQ(InkBox(Black, QRect(150, 150, 200, 200)), tick.box);
    EXPECT_NEAR(int(At(250, 250) >> 16 & 0xFF), tick.red, 2) << tick.box.x();
  }

  Boom.init(-42, 141);  // BoomY 201: the half pixel of the third tick now rounds up
  Boom.Show();
  Boom.Show();
  ClearTo(Black);
  Boom.Show();
  EXPECT_EQ(InkBox(Black, QRect(150, 150, 200, 200)).top(), 214);
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
  EXPECT_EQ(single.DropY[1], 480) << "480 below its start after 30 ticks";
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

  Click(100, 260);  // Pause
  EXPECT_EQ(CurScreen, ScreenPause);
  CurScreen = ScreenPlay;
  Click(100, 320);  // Return
  EXPECT_EQ(CurScreen, ScreenDialog);
  EXPECT_FALSE(Ball.Flying);
}

TEST_F(PlayScreenTest, TheEffectsToggleActsAtThePressAndItsFaceFollowsCheckAndPointer) {
  StartGame();
  MusicOn = 1;
  PlayLoop("bgm");
  // The test toggle sheet: red 40 in the pointer-over column, green 40 in the checked row.
  auto face = [] { return At(41, 501) & 0xFFFFFF; };
  struct Step {
    const char* what;
    std::function<void()> act;
    uint32_t face;
    uint8_t soundOn;
  };
  const Step steps[] = {
      {"checked at the start", [] {}, 0x00285A, 1},
      {"pointer over it", [] { MoveTo(64, 524); }, 0x28285A, 1},
      {"pressed: unchecked at once but held down", [] { PlayScreen->MouseDown(); }, 0x28285A, 0},
      {"released, which does not fire", [] { PlayScreen->MouseUp(); }, 0x28005A, 0},
      {"pointer away", [] { MoveTo(300, 300); }, 0x00005A, 0},
  };
  for (const Step& step : steps) {
    step.act();
    Tick();
    EXPECT_EQ(face(), step.face) << step.what;
    EXPECT_EQ(SoundOn, step.soundOn) << step.what;
  }
  EXPECT_FALSE(Ball.Flying);
  log.clear();
  Click(400, 200);
  EXPECT_EQ(SoundOn, 0) << "a press elsewhere re-reads the effects toggle";
  EXPECT_TRUE(log.empty()) << "and leaves the music alone";
}

TEST_F(PlayScreenTest, TheMusicToggleStopsAndResumesTheMusicAtThePress) {
  StartGame();
  MusicOn = 1;
  PlayLoop("bgm");
  Tick();
  EXPECT_EQ(At(111, 501) & 0xFFFFFF, 0x00285Au) << "the music toggle, checked, at (110, 500)";
  MoveTo(134, 524);
  PlayScreen->MouseDown();
  EXPECT_EQ(MusicOn, 0);
  EXPECT_EQ(Last(log), "stop bgm");
  PlayScreen->MouseUp();
  Tick();
  EXPECT_EQ(At(134, 524), 0xFF010203u) << "the hand over the toggle";
  Click(134, 524);
  EXPECT_EQ(MusicOn, 1);
  EXPECT_EQ(Last(log), "resume bgm");
}

}  // namespace
}  // namespace marlquin::test
