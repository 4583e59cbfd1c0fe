// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsHighScroesrc.h"

#include "persistence/HighScoreFile.h"
#include "platform/ProgramPath.h"
#include "screens/clsMenusrc.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr int16_t FirstRowY = 225;
constexpr int16_t RowPitch = 22;
constexpr int16_t ColumnX[3] = {250, 353, 410};  // name, score, date

void SetTableText(float points) {
  SetFont("Arial Black", points, Regular);
  SetTextColor(0, 25, 25, 255);
}

}  // namespace

clsHighScroesrc::~clsHighScroesrc() { FreeImage(FrameImage); }

void clsHighScroesrc::Initialize() {
  if (Initialized) return;
  ReturnButton.init(150, 40, "Return", -1);
  ReturnButton.SetLocation(320, 450);
  Initialized = true;
}

void clsHighScroesrc::Draw() {
  // The frame is loaded when the table is first drawn: the game's first frame has no need of
  // it, and so does not wait for it.
  if (!FrameLoaded) {
    FrameImage = LoadCachedImage(ProgramFile("\\Res\\frame1.png"));
    FrameLoaded = true;
  }
  MenuScreen->BackRedraw();
  DrawCached(FrameImage, 0, 0);
  LoadHighScores();
  SetTableText(10);
  for (int i = 0; i < 5; ++i) {
    const auto y = static_cast<int16_t>(FirstRowY + RowPitch * i);
    for (int column = 0; column < 3; ++column) DrawText(ColumnX[column], y, HighScores[i][column]);
  }
  SetTableText(12);
  ReturnButton.Draw();
}

void clsHighScroesrc::MouseMove(int16_t x, int16_t y) { ReturnButton.MouseMove(x, y); }

void clsHighScroesrc::MouseDown() { ReturnButton.MouseDown(); }

void clsHighScroesrc::MouseUp() {
  if (ReturnButton.MouseUp()) CurScreen = ScreenMenu;
}

}  // namespace marlquin
