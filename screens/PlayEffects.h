// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hands what the rules report about a landing to the play screen's effects: the
// explosion, the falling bubbles and the splash.
#pragma once

#include "core/ShotEffects.h"

namespace marlquin {

class PlayEffects final : public ShotEffects {
 public:
  void BoomInit(int16_t sx, int16_t sy) override;
  void DropInit() override;
  void DropAdd(int16_t x, int16_t y, int16_t color) override;
  void WaterPointInit(double x, double y) override;
};

}  // namespace marlquin
