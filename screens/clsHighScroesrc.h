// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five best entries of the high-score file over the moving sea, re-read from the
// file on every frame, with a button back to the menu.
#pragma once

#include "graphics/GDIPLUSLib.h"
#include "graphics/clsTButton.h"
#include "shell/AbsScreen.h"

namespace marlquin {

class clsHighScroesrc final : public AbsScreen {
 public:
  ~clsHighScroesrc() override;

  void MouseUp() override;
  void MouseMove(int16_t x, int16_t y) override;
  void MouseDown() override;
  void Initialize() override;
  void Draw() override;

 private:
  ImageHandle FrameImage = 0;
  bool FrameLoaded = false;  // at the first Draw
  clsTButton ReturnButton;
  bool Initialized = false;
};

}  // namespace marlquin
