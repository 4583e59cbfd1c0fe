// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShotEffects.h"

namespace marlquin {
namespace {

class NoEffects final : public ShotEffects {
 public:
  void BoomInit(int16_t, int16_t) override {}
  void DropInit() override {}
  void DropAdd(int16_t, int16_t, int16_t) override {}
  void WaterPointInit(double, double) override {}
};

NoEffects none;
ShotEffects* installed = &none;

}  // namespace

ShotEffects& Effects() { return *installed; }

void SetShotEffects(ShotEffects* effects) { installed = effects != nullptr ? effects : &none; }

}  // namespace marlquin
