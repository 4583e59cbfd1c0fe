// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/HandCursor.h"

#include <array>

#include "graphics/GDIPLUSLib.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"

namespace marlquin {

int32_t HandOwner = 0;
uint8_t HandImage = 0;
int16_t HandX = 0;
int16_t HandY = 0;

namespace {

std::array<ImageHandle, 1> HandImages{};

}  // namespace

void ResetHandCursor() {
  HandOwner = 0;
  HandImage = 0;
  HandX = HandY = 0;
  HandImages = {};
}

void LoadHandCursor() { HandImages[0] = LoadCachedImage(ProgramFile(HandCursorFile)); }

void ResetCursor() {
  HandOwner = 0;
  platform().SetPointerVisible(true);
}

void SetHand(int32_t owner, uint8_t image, int16_t x, int16_t y) {
  platform().SetPointerVisible(false);
  HandOwner = owner;
  HandImage = image;
  HandX = x;
  HandY = y;
}

void ReleaseHand(int32_t owner) {
  if (owner != HandOwner) return;
  platform().SetPointerVisible(true);
  HandOwner = 0;
}

void DrawHand() {
  if (HandImage < HandImages.size()) DrawCached(HandImages[HandImage], HandX, HandY);
}

}  // namespace marlquin
