// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clsWaterPoint.h"

#include <cmath>

#include "audio/SoundPlayer.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/Rounding.h"

namespace marlquin {

clsWaterPoint WaterPoint;

void ResetWaterPoint() { WaterPoint = clsWaterPoint{}; }

namespace {

constexpr int DropletSpacing = BallSize / clsWaterPoint::Droplets;  // spread over a ball's width

}  // namespace

int16_t clsWaterPoint::init(double x, double y) {
  life = Frames;
  for (int i = 1; i <= Droplets; ++i) {
    speed[i] = RoundToInt16(10 * Rnd() + 6);
    px[i] = RoundToInt16(x - BallRadius + DropletSpacing * i);
    py[i] = RoundToInt16(y);
  }
  return 0;
}

int16_t clsWaterPoint::AutoMove(const DrawDroplet& drawWater) {
  if (life <= 0) return 0;
  for (int i = 1; i <= Droplets; ++i) {
    const bool right = std::floor(2 * Rnd() + 1) == 1;
    px[i] = Saturate16(right ? int32_t{px[i]} + speed[i] : int32_t{px[i]} - speed[i]);
    py[i] = Saturate16(int32_t{py[i]} - speed[i]);
    if (px[i] >= 0 && py[i] >= 0) drawWater(px[i], py[i]);
  }
  --life;
  if (SoundMode("pao") != "playing") PlayOnce("pao");
  return 0;
}

}  // namespace marlquin
