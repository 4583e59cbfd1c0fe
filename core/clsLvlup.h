// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The level-up banner: rises over the playfield for 25 frames, growing more opaque.
#pragma once

#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class clsLvlup {
 public:
  static constexpr int16_t Frames = 25;

  void Initialize();
  void Levelup();  // restarts the banner if it is showing
  void Draw();
  int16_t FramesLeft() const { return counter; }

 private:
  ImageHandle image = 0;
  int16_t counter = 0;
};

extern clsLvlup Lvlup;
void ResetLvlup();  // back to a new object

}  // namespace marlquin
