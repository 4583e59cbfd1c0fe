// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/clsFish.h"
#include "screens/clsPlaysrc.h"
#include "tests/support/ScreenTest.h"

namespace marlquin::test {
namespace {

class Sprites : public ScreenTest {
 protected:
  // Draws frames, each over a black screen, until `frame` of them have been drawn.
  static void DrawUntil(int& drawn, int frame, const std::function<void()>& draw) {
    for (; drawn < frame; ++drawn) {
      ClearTo(Black);
      draw();
    }
  }
  static int Red(int x, int y) { return static_cast<int>(BackBufferPixel(x, y) >> 16 & 0xFF); }
};

TEST_F(Sprites, TheLevelUpBannerRisesTenPixelsAFrameGrowingMoreOpaqueFor25Frames) {
  Lvlup.Initialize();  // the test banner is solid yellow, 160 x 45
  Lvlup.Levelup();
  struct Frame {
    int number, top, red;  // red of yellow drawn over black: 255 x opacity
  };
  const Frame frames[] = {{1, 250, 5}, {2, 240, 15}, {13, 130, 125}, {25, 10, 245}};
  int drawn = 0;
  for (const Frame& frame : frames) {
    DrawUntil(drawn, frame.number, [] { Lvlup.Draw(); });
    EXPECT_EQ(InkBox(Black, QRect(250, 0, 300, 320)), QRect(318, frame.top, 160, 45))
        << "frame " << frame.number;
    EXPECT_NEAR(Red(398, frame.top + 20), frame.red, 1) << "frame " << frame.number;
  }
  ClearTo(Black);
  Lvlup.Draw();
  EXPECT_TRUE(InkBox(Black, QRect(0, 0, 800, 600)).isEmpty()) << "hidden after 25 frames";

  // A second level-up while it shows starts it again from the bottom.
  Lvlup.Levelup();
  Lvlup.Draw();
  Lvlup.Levelup();
  ClearTo(Black);
  Lvlup.Draw();
  EXPECT_EQ(InkBox(Black, QRect(250, 0, 300, 320)).top(), 250);
}

TEST_F(Sprites, TheSplashSpraysFiveDropletsUpwardsZigZaggingForEighteenFramesWithItsSound) {
  // Speeds 6, 8, 10, 12, 16; then each droplet's side: right, left, right, left, right.
  ScriptRandom({0.0, 0.2, 0.4, 0.6, 0.99, 0.0, 0.9, 0.0, 0.9, 0.0});
  SoundOn = 1;
  WaterPoint.init(400, 300);
  std::vector<QPoint> drawn;
  const auto frame = [&] {
    WaterPoint.AutoMove([&](int16_t x, int16_t y) { drawn.emplace_back(x, y); });
  };
  frame();
  EXPECT_EQ(drawn,
            (std::vector<QPoint>{{397, 294}, {389, 292}, {413, 290}, {397, 288}, {431, 284}}))
      << "side by side from x - 9 in steps of 6, each rising by its speed";
  frame();
  EXPECT_EQ(log, (EventLog{"play pao"})) << "not restarted while it sounds";
  audio.playing.clear();  // it has finished
  frame();
  EXPECT_EQ(log, (EventLog{"play pao", "play pao"}));
  SoundOn = 0;
  audio.playing.clear();
  frame();
  EXPECT_EQ(log.size(), 2u) << "effects switched off";
  int frames = 4;
  for (; frames < 30 && WaterPoint.Life() > 0; ++frames) frame();
  EXPECT_EQ(frames, 18);
}

TEST_F(Sprites, DropletsLeavingTheTopAreNotDrawnAndOnThePlayScreenAreTheWaterPicture) {
  ScriptRandom({0.0, 0.0, 0.0, 0.6, 0.99});  // speeds 6, 6, 6, 12, 16; then all to the left
  WaterPoint.init(400, 12);
  std::vector<QPoint> drawn;
  WaterPoint.AutoMove([&](int16_t x, int16_t y) { drawn.emplace_back(x, y); });
  EXPECT_EQ(drawn, (std::vector<QPoint>{{385, 6}, {391, 6}, {397, 6}, {397, 0}}))
      << "the fast fifth is gone";

  // On the play screen a droplet is the water picture's top-left 16 x 16 pixels, opaque.
  ClearTo(Black);
  PlayScreen->Initialize();
  PlayScreen->DrawWater(100, 200);
  EXPECT_EQ(InkBox(Black, QRect(50, 150, 100, 100)), QRect(100, 200, 16, 16));
  EXPECT_EQ(BackBufferPixel(100, 200), 0xFF00FFFFu);
}

TEST_F(Sprites, ASwimmerPulsesWiderCentredThenGlidesOnAndReentersWhenItLeaves) {
  // 50 x 20, swimming left at 3 pixels a frame, widening by a fiftieth per pulse frame.
  const std::string picture = WriteSolidPicture(InFolder("fish.png"), 50, 20, Qt::green);
  clsFish fish;
  ScriptRandom({0.5});
  fish.init(picture, -3, 0, 50, 20, 1, 0);  // enters at x 375; not rising, so at the bottom
  struct Frame {
    int number;
    QRect drawn;
  };
  const Frame frames[] = {
      {1, {376, 580, 50, 20}},  // the pulse draws it back against its direction
      {2, {376, 580, 51, 20}},  // 51 wide about x 377: 376.5 rounds to the even 376
      {6, {378, 580, 55, 20}},  {10, {380, 580, 59, 20}},  // the last pulse frame
      {11, {384, 580, 50, 20}},                            // the glide pushes it on, 1.2 pixels
      {12, {383, 580, 50, 20}}, {20, {379, 580, 50, 20}},  // the push has faded out
      {21, {380, 580, 50, 20}},                            // the next cycle pulses again
  };
  int drawn = 0;
  for (const Frame& frame : frames) {
    DrawUntil(drawn, frame.number, [&] { fish.Draw(); });
    EXPECT_EQ(InkBox(Black, QRect(300, 500, 200, 100)), frame.drawn) << "frame " << frame.number;
  }

  // A sinking swimmer enters at the top; drawn back upwards by its pulse it leaves the
  // screen on its third frame and comes back at the top at a new random x.
  clsFish sinker;
  ScriptRandom({0.5, 0.0});
  sinker.init(picture, 0, 30, 50, 20);
  std::vector<QRect> seen;
  for (int i = 0; i < 4; ++i) {
    ClearTo(Black);
    sinker.Draw();
    seen.push_back(InkBox(Black, QRect(0, 0, 800, 100)));
  }
  EXPECT_EQ(seen, (std::vector<QRect>{{375, 0, 50, 10}, {}, {}, {0, 0, 50, 10}}));
}

}  // namespace
}  // namespace marlquin::test
