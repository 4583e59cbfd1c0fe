// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsPauseDlg.h"

#include "platform/ProgramPath.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr int16_t FullWidth = 335;
constexpr int16_t FullHeight = 150;

}  // namespace

clsPauseDlg::~clsPauseDlg() { FreeImage(PauseIcon); }

void clsPauseDlg::Show() {
  if (CurScreen != ScreenPlay) return;
  CurScreen = ScreenPause;
  Panel.Open();
  ContinueButton.init(150, 40, "Continue", -1);
  ContinueButton.SetLocation(410, 315);
  FreeImage(PauseIcon);
  PauseIcon = LoadImageFile(ProgramFile("\\res\\222.bmp"));
  Draw();
}

void clsPauseDlg::Draw() {
  Screens[ScreenPlay]->Draw();
  if (!Panel.DrawBox(FullWidth, FullHeight)) return;
  ContinueButton.Draw();
  DrawImage(PauseIcon, 280, 220, 58, 58, 0, 0, 1.0f, ColorKey);
  SetFont("Arial black", 12, Regular);
  DrawText(360, 245, "Game Paused");
}

void clsPauseDlg::MouseMove(int16_t x, int16_t y) { ContinueButton.MouseMove(x, y); }

void clsPauseDlg::MouseDown() { ContinueButton.MouseDown(); }

void clsPauseDlg::MouseUp() {
  if (ContinueButton.MouseUp()) CurScreen = ScreenPlay;
}

}  // namespace marlquin
