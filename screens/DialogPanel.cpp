// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/DialogPanel.h"

namespace marlquin {
namespace {

constexpr uint8_t FullSize = 3;
constexpr int16_t GrowWidths[FullSize] = {70, 140, 220};
constexpr int16_t GrowHeights[FullSize] = {40, 80, 120};

}  // namespace

DialogPanel::~DialogPanel() { DeleteBrush(panelBrush_); }

void DialogPanel::Open() {
  growStep_ = 0;
  DeleteBrush(panelBrush_);
  panelBrush_ = MakeGradientBrush(0, 210, 0, 390, 0x50FFFFFF, 0xC8FFFFFF);
}

bool DialogPanel::DrawBox(int16_t fullWidth, int16_t fullHeight) {
  const bool growing = growStep_ < FullSize;
  const int16_t w = growing ? GrowWidths[growStep_] : fullWidth;
  const int16_t h = growing ? GrowHeights[growStep_] : fullHeight;
  if (growing) ++growStep_;
  FillRect(Left, Top, w, h, panelBrush_);
  const float left = Left, top = Top, right = float(Left + w), bottom = float(Top + h);
  DrawLine(BorderColor, 1.0f, left, top, right, top);
  DrawLine(BorderColor, 1.0f, left, top, left, bottom);
  DrawLine(BorderColor, 1.0f, left, bottom, right, bottom);
  DrawLine(BorderColor, 1.0f, right, top, right, bottom);
  return growStep_ == FullSize;
}

}  // namespace marlquin
