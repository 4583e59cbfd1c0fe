// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PushTimeBar.h"

#include <algorithm>

#include "core/GameState.h"
#include "core/Rounding.h"

namespace marlquin {
namespace {

constexpr int BarLeft = 546;
constexpr int BarBottom = 495;
constexpr int16_t BarWidth = 19;
constexpr int BarFullHeight = 64;
constexpr int BarTicksPerUpdate = 10;

}  // namespace

PushTimeBar::~PushTimeBar() { DeleteBrush(brush_); }

void PushTimeBar::Draw() {
  PushTick = Saturate16(int32_t{PushTick} + 1);
  if (PushTick % BarTicksPerUpdate == 0) {
    // From level 20 on the limit is 0 or below: a push is due on every tick, so the bar is full.
    const float ratio =
        PushLimit > 0 ? static_cast<float>(static_cast<double>(PushTick) / PushLimit) : 1.0f;
    height_ = RoundToInt16(ratio * BarFullHeight);
    const int32_t green = std::max(RoundToInt32(230 - ratio * 230), 0);
    DeleteBrush(brush_);
    brush_ = MakeBrush(0, green, 255, 128);
  }
  FillRect(BarLeft, BarBottom - height_, BarWidth, height_, brush_);
}

}  // namespace marlquin
