// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The screen a game is played on. Each tick it lets the flying ball advance, counts the
// ticks towards the next push of rows, lets the effects move, and paints the sea, the
// frame, the board with its warning shake, the launcher, the balls, the push-time bar,
// the score and level, the banner and its six widgets. It holds no rules of its own.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/GDIPLUSLib.h"
#include "graphics/clsGChkBox.h"
#include "graphics/clsTButton.h"
#include "screens/PushTimeBar.h"
#include "shell/AbsScreen.h"

namespace marlquin {

class clsPlaysrc final : public AbsScreen {
 public:
  uint8_t ShotFrames = 0;  // ticks left of the waiting ball's rise after a shot

  ~clsPlaysrc() override;

  void MouseUp() override;
  void MouseMove(int16_t x, int16_t y) override;
  void MouseDown() override;
  void Initialize() override;  // works the first time only
  void Draw() override;

  void DrawBlocks();
  void DrawCntrl(int16_t color, int16_t aim);
  // Ball value 1..9 with its top-left at board position (x, y); 0 draws nothing.
  void DrawBall(int intBallType, double x, double y);
  void DrawWater(int16_t x, int16_t y);

  bool IsInitialized() const { return Initialized; }
  const clsGChkBox& SoundToggle() const { return SoundCheck; }

  // The board's sideways offset when d ticks are left before a push.
  static int16_t ShakeOffset(int16_t d);
  // The launcher picture's top-left, top-right and bottom-left corners for an aim.
  static std::array<Point32, 3> LauncherPoints(int16_t aim);
  // Every how many path positions a guide mark is drawn.
  static int16_t GuideStep(int16_t stepCount);

 private:
  void DrawGuide();
  void DrawWidgets();

  std::array<ImageHandle, 9> BallImages{};
  ImageHandle GuiFrameImage = 0;
  ImageHandle WaterImage = 0;
  ImageHandle LauncherImage = 0;
  clsGChkBox SoundCheck;
  clsGChkBox MusicCheck;
  clsTButton SaveButton;
  clsTButton LoadButton;
  clsTButton PauseButton;
  clsTButton ReturnButton;
  bool Initialized = false;
  PushTimeBar TimeBar;
};

}  // namespace marlquin
