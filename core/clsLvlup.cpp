// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clsLvlup.h"

#include "platform/ProgramPath.h"

namespace marlquin {

clsLvlup Lvlup;

void ResetLvlup() { Lvlup = clsLvlup{}; }

namespace {

constexpr int32_t BannerLeft = 318;
constexpr int32_t BannerWidth = 160;
constexpr int32_t BannerHeight = 45;
constexpr int16_t RisePerFrame = 10;

}  // namespace

void clsLvlup::Initialize() {
  FreeImage(image);
  image = LoadImageFile(ProgramFile("\\Res\\lvlup.png"));
  counter = 0;
}

void clsLvlup::Levelup() { counter = Frames; }

void clsLvlup::Draw() {
  if (counter < 1) return;
  const float opacity = static_cast<float>((255 - RisePerFrame * counter) / 255.0);
  DrawImage(image, BannerLeft, RisePerFrame * counter, BannerWidth, BannerHeight, 0, 0, opacity,
            NoColorKey);
  --counter;
}

}  // namespace marlquin
