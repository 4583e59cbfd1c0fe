// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a landing shows: the rules report explosions, falling bubbles and splashes here,
// and the play screen's effects animate them. Positions are as the rules compute them:
// the explosion and the falling bubbles in board coordinates, the splash on the screen.
#pragma once

#include <cstdint>

namespace marlquin {

class ShotEffects {
 public:
  virtual ~ShotEffects() = default;
  virtual void BoomInit(int16_t sx, int16_t sy) = 0;
  virtual void DropInit() = 0;
  virtual void DropAdd(int16_t x, int16_t y, int16_t color) = 0;
  virtual void WaterPointInit(double x, double y) = 0;
};

// The effects in use; until the play screen installs its own, landings show nothing.
ShotEffects& Effects();
void SetShotEffects(ShotEffects* effects);

}  // namespace marlquin
