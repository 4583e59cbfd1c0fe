// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pause box over the running game: an icon, "Game Paused" and "Continue". The game
// goes on beneath it; only the mouse is taken from it.
#pragma once

#include "graphics/GDIPLUSLib.h"
#include "graphics/clsTButton.h"
#include "screens/DialogPanel.h"
#include "shell/AbsScreen.h"

namespace marlquin {

class clsPauseDlg final : public AbsScreen {
 public:
  ~clsPauseDlg() override;

  // Opens the dialog when the play screen is current; otherwise nothing.
  void Show();

  void MouseUp() override;
  void MouseMove(int16_t x, int16_t y) override;
  void MouseDown() override;
  void Draw() override;

 private:
  DialogPanel Panel;
  clsTButton ContinueButton;
  ImageHandle PauseIcon = 0;
};

}  // namespace marlquin
