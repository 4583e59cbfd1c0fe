// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PlayEffects.h"

#include "core/clsWaterPoint.h"
#include "screens/clsBoom.h"
#include "screens/clsDrop.h"

namespace marlquin {

void PlayEffects::BoomInit(int16_t sx, int16_t sy) { Boom.init(sx, sy); }
void PlayEffects::DropInit() { Drop.init(); }
void PlayEffects::DropAdd(int16_t x, int16_t y, int16_t color) { Drop.AddDBalls(x, y, color); }
void PlayEffects::WaterPointInit(double x, double y) { WaterPoint.init(x, y); }

}  // namespace marlquin
