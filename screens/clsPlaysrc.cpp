// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsPlaysrc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "core/clsLvlup.h"
#include "core/clsWaterPoint.h"
#include "persistence/SavedGame.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "screens/clsBoom.h"
#include "screens/clsDlg.h"
#include "screens/clsDrop.h"
#include "screens/clsMenusrc.h"
#include "screens/clsPauseDlg.h"
#include "shell/Gamectrl.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr int DrawnRows = 15;  // rows 0..14; row 15 is never drawn
constexpr int ShakeWarningTicks = 12;
constexpr int GuideImage = 7;

// The launcher turns about its point (20, 64), which sits on the waiting ball's centre.
constexpr int LauncherPivotX = 20;
constexpr int LauncherPivotY = 64;
constexpr int LauncherWidth = 40;
constexpr int LauncherHeight = 80;
constexpr int PivotOnScreenX = 392;
constexpr int PivotOnScreenY = 424;
constexpr double RadiansPerAimStep = 0.0349;

constexpr double NextBallY = 408.7306695894644;     // 14 rows + 45
constexpr double WaitingBallY = 363.7306695894644;  // 14 rows
constexpr int RisePerShotFrame = 9;
constexpr int BallColumnX = 150;

const char ReturnQuestion[] = "Return to Main menu will end this game.\r\nReturn?";

std::string Padded(const char* pattern, int32_t value) {
  char text[24];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

}  // namespace

clsPlaysrc::~clsPlaysrc() {
  for (ImageHandle image : BallImages) FreeImage(image);
  FreeImage(GuiFrameImage);
  FreeImage(WaterImage);
  FreeImage(LauncherImage);
}

void clsPlaysrc::Initialize() {
  if (Initialized) return;
  const std::pair<const char*, const char*> sounds[] = {{"\\res\\sound\\wb.mp3", "Ding"},
                                                        {"\\res\\sound\\BOMB.wav", "bomb"},
                                                        {"\\res\\sound\\poppao.wav", "pao"},
                                                        {"\\res\\sound\\gp.mp3", "bgm"}};
  for (const auto& [file, alias] : sounds) {
    OpenSound(ProgramFile(file), alias);
    platform().Yield();
  }
  SeedRandomFromClock();
  for (int i = 0; i < static_cast<int>(BallImages.size()); ++i) {
    BallImages[i] = LoadCachedImage(ProgramFile("\\res\\b" + std::to_string(i) + ".png"));
  }
  GuiFrameImage = LoadCachedImage(ProgramFile("\\Res\\guiframe.png"));
  WaterImage = LoadImageFile(ProgramFile("\\Res\\pp.png"));
  LauncherImage = LoadImageFile(ProgramFile("\\Res\\ctrl.png"));
  ShotFrames = 0;

  SoundCheck.init(ProgramFile("\\Res\\bt1.png"), 48, 48);
  SoundCheck.SetLocation(40, 500);
  SoundCheck.Checked = 1;
  SoundOn = 1;
  MusicCheck.init(ProgramFile("\\Res\\bt2.png"), 48, 48);
  MusicCheck.SetLocation(110, 500);
  MusicCheck.Checked = 1;
  MusicOn = 1;

  PauseButton.init(150, 40, "Pause", -1);
  PauseButton.SetLocation(38, 240);
  SaveButton.init(150, 40, "Save", -1);
  SaveButton.SetLocation(38, 120);
  LoadButton.init(150, 40, "Load", -1);
  LoadButton.SetLocation(38, 180);
  ReturnButton.init(150, 40, "Return", -1);
  ReturnButton.SetLocation(38, 300);
  Initialized = true;
}

void clsPlaysrc::Draw() {
  Ball.Run();
  if (ShotFrames > 0) --ShotFrames;
  MenuScreen->BackRedraw();
  DrawCached(GuiFrameImage, 0, 0);
  DrawBlocks();
  DrawCntrl(CurColor, AimStep);
  if (Ball.Flying) {
    DrawCached(BallImages[std::clamp<int>(Ball.Color - 1, 0, 8)],
               Ball.GetStepx(Ball.StepIndex) + BoardLeft, Ball.GetStepy(Ball.StepIndex) + BoardTop);
  } else if (GuideShot) {
    DrawGuide();
  }
  WaterPoint.AutoMove([this](int16_t x, int16_t y) { DrawWater(x, y); });
  Boom.Show();
  TimeBar.Draw();
  Drop.AutoDrop([this](int16_t color, double x, double y) { DrawBall(color, x, y); });
  DrawText(100, 20, Padded("%05d", Score));
  DrawText(100, 60, " " + std::to_string(Level + 1));
  Lvlup.Draw();
  DrawWidgets();
}

int16_t clsPlaysrc::GuideStep(int16_t stepCount) {
  const int16_t step = RoundToInt16(stepCount / 30.0);
  return step == 0 ? int16_t{1} : step;
}

void clsPlaysrc::DrawGuide() {
  const int16_t n = Ball.StepCount;
  const int16_t step = GuideStep(n);
  for (int i = 0; i <= n - 1; i += step) {
    const auto index = static_cast<int16_t>(i);
    DrawCached(BallImages[GuideImage], Ball.GetStepx(index) + BoardLeft,
               Ball.GetStepy(index) + BoardTop);
  }
}

void clsPlaysrc::DrawWidgets() {
  SoundCheck.Draw();
  MusicCheck.Draw();
  PauseButton.Draw();
  SaveButton.Draw();
  LoadButton.Draw();
  ReturnButton.Draw();
}

int16_t clsPlaysrc::ShakeOffset(int16_t d) {
  if (d >= ShakeWarningTicks) return 0;
  const int16_t h = RoundToInt16(d / 2.0);
  return IsOddRow(h) ? Saturate16(int32_t{d} - 2 * h) : Saturate16(2 * int32_t{h} - d);
}

void clsPlaysrc::DrawBlocks() {
  const int16_t shake = ShakeOffset(Saturate16(int32_t{PushLimit} - PushTick));
  for (int row = 0; row < DrawnRows; ++row) {
    const double y = RoundHalfEven(row * RowHeight);
    for (int col = 0; col < BoardCols; ++col) {
      const double x = CellLeft(col, row) + shake;
      DrawBall(Board[CellIndex(col, row)], x, y);
    }
  }
}

std::array<Point32, 3> clsPlaysrc::LauncherPoints(int16_t aim) {
  const double theta = aim * RadiansPerAimStep;
  const float s = static_cast<float>(std::sin(theta));
  const float c = static_cast<float>(std::cos(theta));
  auto turned = [&](int u, int v) {
    const float du = static_cast<float>(u - LauncherPivotX);
    const float dv = static_cast<float>(v - LauncherPivotY);
    const float x = du * c + dv * s;
    const float y = dv * c - du * s;
    return Point32{RoundToInt32(x) + PivotOnScreenX, RoundToInt32(y) + PivotOnScreenY};
  };
  return {turned(0, 0), turned(LauncherWidth, 0), turned(0, LauncherHeight)};
}

void clsPlaysrc::DrawCntrl(int16_t color, int16_t aim) {
  const std::array<Point32, 3> corners = LauncherPoints(aim);
  DrawImagePoints(LauncherImage, corners[0], corners[1], corners[2]);
  DrawBall(NextColor, BallColumnX, NextBallY);
  const double waitingTop =
      RoundHalfEven(RisePerShotFrame * ShotFrames + WaitingBallY - BallRadius);
  DrawBall(color, BallColumnX, waitingTop);
  if (GuideShot) {
    DrawCached(BallImages[GuideImage], BallColumnX + BoardLeft,
               RoundToInt32(waitingTop + BoardTop));
  }
}

void clsPlaysrc::DrawBall(int intBallType, double x, double y) {
  if (intBallType < 1 || intBallType > static_cast<int>(BallImages.size())) return;
  DrawCached(BallImages[intBallType - 1], RoundToInt32(x + BoardLeft), RoundToInt32(y + BoardTop));
}

void clsPlaysrc::DrawWater(int16_t x, int16_t y) {
  DrawImage(WaterImage, x, y, 16, 16, 0, 0, 1.0f, NoColorKey);
}

void clsPlaysrc::MouseMove(int16_t x, int16_t y) {
  SoundCheck.MouseMove(x, y);
  MusicCheck.MouseMove(x, y);
  PauseButton.MouseMove(x, y);
  SaveButton.MouseMove(x, y);
  LoadButton.MouseMove(x, y);
  ReturnButton.MouseMove(x, y);
}

void clsPlaysrc::MouseDown() {
  SoundCheck.MouseDown();
  PauseButton.MouseDown();
  SaveButton.MouseDown();
  SoundOn = SoundCheck.Checked;
  LoadButton.MouseDown();
  ReturnButton.MouseDown();
  MusicCheck.MouseDown();
  // The toggles act on the press: the music stops or starts again at once.
  if (MusicCheck.Checked != MusicOn) {
    MusicOn = MusicCheck.Checked;
    if (MusicOn != 0) {
      PlayLoop("bgm");
    } else {
      StopSound("bgm");
    }
  }
}

void clsPlaysrc::MouseUp() {
  if (SoundCheck.MouseUp() || MusicCheck.MouseUp()) return;
  if (PauseButton.MouseUp()) {
    PauseDialog->Show();
  } else if (ReturnButton.MouseUp()) {
    ReturnAskId = MessageDialog->Show(ReturnQuestion, "Return", 1, "OK", "Cancel");
  } else if (SaveButton.MouseUp()) {
    SaveGame();
  } else if (LoadButton.MouseUp()) {
    LoadGame();
  } else {
    Fire();
  }
}

}  // namespace marlquin
