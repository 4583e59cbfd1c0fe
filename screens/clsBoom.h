// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The explosion of a bomb: the picture grows and shrinks over six ticks, fading out,
// centred in a 100 x 100 box around the bomb.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class clsBoom {
 public:
  static constexpr int16_t Frames = 6;

  // (sx, sy): the landed bomb's board position less 50 both ways.
  void init(int16_t sx, int16_t sy);
  void Show();

  int16_t BoomX = 0;  // the box's top-left, window coordinates
  int16_t BoomY = 0;
  int16_t BoomFrames = 0;

 private:
  // The picture is read the first time the effect is used, once the drawing layer is up.
  void LoadOnFirstUse();

  bool loaded = false;
  ImageHandle BoomImage = 0;
  static constexpr std::array<float, Frames> BoomScales{0.5f, 0.8f, 1.0f, 0.75f, 0.5f, 0.25f};
};

extern clsBoom Boom;
void ResetBoom();  // back to a new object

}  // namespace marlquin
