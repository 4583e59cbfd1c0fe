// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsBoom.h"

#include "core/GameState.h"
#include "core/Rounding.h"
#include "platform/ProgramPath.h"

namespace marlquin {

clsBoom Boom;

void ResetBoom() { Boom = clsBoom{}; }

namespace {

constexpr int BoxSize = 100;
constexpr int SourceWidth = 100;
constexpr int SourceHeight = 75;
// The box sits where the board draws the bomb, moved right half a ball.
constexpr int BoxOffsetX = BoardLeft + BallRadius;
constexpr int BoxOffsetY = BoardTop;

}  // namespace

void clsBoom::LoadOnFirstUse() {
  if (loaded) return;
  loaded = true;
  BoomImage = LoadImageFile(ProgramFile("\\Res\\b.png"));
}

void clsBoom::init(int16_t sx, int16_t sy) {
  LoadOnFirstUse();
  BoomFrames = Frames;
  BoomX = Saturate16(int32_t{sx} + BoxOffsetX);
  BoomY = Saturate16(int32_t{sy} + BoxOffsetY);
}

void clsBoom::Show() {
  LoadOnFirstUse();
  if (BoomFrames <= 0) return;
  const float scale = BoomScales[Frames - BoomFrames];
  const int32_t w = RoundToInt32(scale * BoxSize);
  const int32_t h = RoundToInt32(scale * SourceHeight);
  const int32_t x = RoundToInt32((BoxSize - w) / 2.0 + BoomX);
  const int32_t y = RoundToInt32((BoxSize - h) / 2.0 + BoomY);
  DrawImageScaled(BoomImage, x, y, w, h, 0, 0, SourceWidth, SourceHeight,
                  static_cast<float>(BoomFrames) / Frames);
  --BoomFrames;
}

}  // namespace marlquin
