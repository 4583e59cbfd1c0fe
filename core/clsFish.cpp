// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clsFish.h"

#include "core/Random.h"
#include "core/Rounding.h"

namespace marlquin {
namespace {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;
constexpr int16_t PulseFrames = 10;

}  // namespace

void clsFish::init(const std::string& imgfile, float speedX, float speedY, int16_t width,
                   int16_t height, int16_t scaleX, int16_t scaleY) {
  sx = speedX;
  sy = speedY;
  Width = width;
  hei = height;
  Scale_X = scaleX;
  Scale_Y = scaleY;
  FreeImage(image);
  image = LoadImageFile(imgfile);
  BeginLoc();
}

void clsFish::BeginLoc() {
  x = RoundToInt16(Rnd() * (ScreenWidth - Width));
  // A creature that swims upwards enters at the bottom, one that sinks at the top.
  y = sy <= 0 ? static_cast<int16_t>(ScreenHeight - hei) : int16_t{0};
}

void clsFish::Draw() {
  double w = Width;
  double h = hei;
  if (phase < PulseFrames) {
    w = Width + Width / 50.0 * Saturate16(int32_t{Scale_X} * phase);
    h = hei + hei / 50.0 * Saturate16(int32_t{Scale_Y} * phase);
    x = RoundToInt16(x - sx / 3.0f);
    y = RoundToInt16(y - sy / 3.0f);
  } else {
    const float t = static_cast<float>(hei - phase) / 25.0f;
    x = RoundToInt16(x + sx * t);
    y = RoundToInt16(y + sy * t);
  }
  // The widening is centred; the growth in height extends downwards.
  DrawImageScaled(image, RoundToInt32(x - (w - Width) / 2), y, RoundToInt32(w), RoundToInt32(h), 0,
                  0, Width, hei, 1.0f);
  if (++phase >= hei) phase = 0;
  if (x < -Width || x > ScreenWidth || y < -hei || y > ScreenHeight) BeginLoc();
}

}  // namespace marlquin
