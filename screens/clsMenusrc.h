// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu the game starts on: the sea background with its four drifting creatures,
// the frame, the version line and four buttons. Its background is also drawn behind the
// play screen and the high-score table, so the sea keeps moving everywhere.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/clsFish.h"
#include "graphics/GDIPLUSLib.h"
#include "graphics/clsTButton.h"
#include "shell/AbsScreen.h"

namespace marlquin {

class clsMenusrc final : public AbsScreen {
 public:
  ~clsMenusrc() override;

  void MouseUp() override;
  void MouseMove(int16_t x, int16_t y) override;
  void MouseDown() override;
  void Initialize() override;
  void Draw() override;

  // The pictures Initialize loads, in its order.
  static std::vector<std::string> PictureFiles();

  // The background picture, then the four sprites, each moving one frame.
  void BackRedraw();

  bool IsLoading() const { return Loading; }
  const clsFish& Sprite(int i) const { return Sprites[i]; }

 private:
  void BeginNew();
  void LoadSavedGame();

  ImageHandle BgImage = 0;
  std::array<clsFish, 4> Sprites;
  ImageHandle FrameImage = 0;
  clsTButton BeginNewButton;
  clsTButton LoadGameButton;
  clsTButton ExitButton;
  clsTButton HighScoreButton;
  bool Initialized = false;
  bool Loading = false;  // a game is being prepared: "Loading ..." and no mouse
};

}  // namespace marlquin
