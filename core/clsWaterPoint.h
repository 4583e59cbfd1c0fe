// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The splash where bubbles burst: five droplets that zig-zag upwards for 18 frames, with
// the "pao" sound restarted whenever it has finished while the splash lasts.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace marlquin {

class clsWaterPoint {
 public:
  static constexpr int16_t Frames = 18;
  static constexpr int Droplets = 5;
  using DrawDroplet = std::function<void(int16_t x, int16_t y)>;

  // Starts a splash at screen point (x, y), replacing one in progress.
  int16_t init(double x, double y);
  // Advances the droplets and draws the visible ones.
  int16_t AutoMove(const DrawDroplet& drawWater);
  int16_t Life() const { return life; }

 private:
  int16_t life = 0;
  std::array<int16_t, Droplets + 1> speed{};  // entries 1..5 are the droplets
  std::array<int16_t, Droplets + 1> px{};
  std::array<int16_t, Droplets + 1> py{};
};

extern clsWaterPoint WaterPoint;
void ResetWaterPoint();  // back to a new object

}  // namespace marlquin
