// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bubbles that fall away: 21 slots used round-robin, each ball jumping up, then
// falling ever faster while drifting sideways ever more slowly, for 30 ticks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace marlquin {

class clsDrop {
 public:
  static constexpr int Slots = 21;
  static constexpr int16_t Frames = 30;
  using DrawBall = std::function<void(int16_t color, double x, double y)>;

  void init() {}  // nothing to reset: balls still falling keep falling
  void AddDBalls(int16_t x, int16_t y, int16_t color);
  void AutoDrop(const DrawBall& drawBall);

  std::array<int16_t, Slots> DropX{};  // board coordinates
  std::array<int16_t, Slots> DropY{};
  std::array<int16_t, Slots> DropDir{};  // 0 drifts right, 1 left
  std::array<int16_t, Slots> DropLife{};
  std::array<int16_t, Slots> DropColor{};
  int16_t DropSlot = 0;  // the slot written last
};

extern clsDrop Drop;
void ResetDrop();  // back to a new object

}  // namespace marlquin
