// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsDlg.h"

#include "core/Rounding.h"
#include "platform/Platform.h"
#include "shell/Screens.h"

namespace marlquin {
namespace {

constexpr int16_t FullWidth = 355;
constexpr int16_t FullHeight = 180;
constexpr float SeparatorY = 240;

}  // namespace

int32_t clsDlg::Show(const std::string& msg, const std::string& t, uint8_t mBtnS_Flg,
                     const std::string& cap1, const std::string& cap2) {
  PrevScreen = CurScreen;
  CurScreen = ScreenDialog;
  Panel.Open();
  Button1.init(150, 40, cap1, -1);
  Button1.SetLocation(430, 340);
  Button2.init(150, 40, cap2, -1);
  Button2.SetLocation(260, 340);
  MsgText = msg;
  TitleText = t;
  Draw();
  myid = RoundToInt32(platform().SecondsSinceMidnight());
  ShowTwo = mBtnS_Flg;
  return myid;
}

void clsDlg::Draw() {
  if (PrevScreen != ScreenDialog) Screens[PrevScreen]->Draw();
  if (!Panel.DrawBox(FullWidth, FullHeight)) return;
  DrawLine(DialogPanel::BorderColor, 1.0f, DialogPanel::Left, SeparatorY, 590, SeparatorY);
  Button1.Draw();
  if (ShowTwo != 0) Button2.Draw();
  DrawText(240, 255, MsgText);
  DrawText(240, 215, TitleText);
}

void clsDlg::MouseMove(int16_t x, int16_t y) {
  Button1.MouseMove(x, y);
  if (ShowTwo != 0) Button2.MouseMove(x, y);
}

void clsDlg::MouseDown() {
  Button1.MouseDown();
  if (ShowTwo != 0) Button2.MouseDown();
}

void clsDlg::MouseUp() {
  int32_t answer = 0;
  if (Button1.MouseUp()) {
    answer = 1;
    CurScreen = PrevScreen;
  }
  if (ShowTwo != 0 && Button2.MouseUp()) {
    answer = 2;
    CurScreen = PrevScreen;
  }
  OnDialogClosed(answer);
}

}  // namespace marlquin
