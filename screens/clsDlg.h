// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A question drawn inside the window over the screen it was opened from. Show returns
// at once with an id; the answer reaches OnDialogClosed on a later mouse release.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/clsTButton.h"
#include "screens/DialogPanel.h"
#include "shell/AbsScreen.h"

namespace marlquin {

class clsDlg final : public AbsScreen {
 public:
  int32_t myid = 0;  // the id of the latest Show: seconds since midnight

  // A non-zero mBtnS_Flg shows the second button. Returns myid.
  int32_t Show(const std::string& msg, const std::string& t, uint8_t mBtnS_Flg = 0,
               const std::string& cap1 = "", const std::string& cap2 = "");

  void MouseUp() override;
  void MouseMove(int16_t x, int16_t y) override;
  void MouseDown() override;
  void Draw() override;

 private:
  uint8_t PrevScreen = 0;
  DialogPanel Panel;
  clsTButton Button1;  // answer 1
  clsTButton Button2;  // answer 2
  std::string MsgText;
  std::string TitleText;
  uint8_t ShowTwo = 0;
};

}  // namespace marlquin
