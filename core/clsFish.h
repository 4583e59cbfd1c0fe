// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A sea creature that pulses wider for ten frames, then glides on with a push that
// weakens over its cycle, and re-enters at a random place once it has left the screen.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class clsFish {
 public:
  void init(const std::string& imgfile, float sx, float sy, int16_t width, int16_t hei,
            int16_t scaleX = 0, int16_t scaleY = 0);
  void BeginLoc();
  void Draw();

  int16_t Phase() const { return phase; }

 private:
  float sx = 0;  // pixels per frame, negative to the left
  float sy = 0;  // pixels per frame, negative upwards
  int16_t Width = 0;
  int16_t hei = 0;  // also the length of one swimming cycle in frames
  int16_t x = 0;
  int16_t y = 0;
  int16_t Scale_X = 0;
  int16_t Scale_Y = 0;
  ImageHandle image = 0;
  int16_t phase = 0;
};

}  // namespace marlquin
