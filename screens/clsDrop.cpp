// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/clsDrop.h"

#include <algorithm>

#include "core/Rounding.h"

namespace marlquin {

clsDrop Drop;

void ResetDrop() { Drop = clsDrop{}; }

void clsDrop::AddDBalls(int16_t x, int16_t y, int16_t color) {
  if (++DropSlot == Slots) DropSlot = 0;
  DropX[DropSlot] = x;
  DropY[DropSlot] = y;
  DropDir[DropSlot] = DropSlot % 2;
  DropLife[DropSlot] = Frames;
  DropColor[DropSlot] = color;
}

void clsDrop::AutoDrop(const DrawBall& drawBall) {
  for (int i = 0; i < Slots; ++i) {
    if (DropLife[i] <= 0) continue;
    --DropLife[i];
    const int t = Frames - DropLife[i];
    const int16_t dx = std::max<int16_t>(RoundToInt16(6 - t / 4.0), 0);
    DropX[i] = Saturate16(DropDir[i] == 0 ? int32_t{DropX[i]} + dx : int32_t{DropX[i]} - dx);
    DropY[i] = Saturate16(int32_t{DropY[i]} + 45 - 2 * DropLife[i]);
    drawBall(DropColor[i], DropX[i], DropY[i]);
  }
}

}  // namespace marlquin
