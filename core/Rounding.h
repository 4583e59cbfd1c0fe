// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Number conversions shared by the whole game: every real stored into an integer is
// rounded to the nearest, halves to the even neighbour, and 16-bit fields saturate
// instead of wrapping.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace marlquin {

// std::nearbyint follows the default rounding mode, which is to-nearest-even.
inline double RoundHalfEven(double value) { return std::nearbyint(value); }

template <typename Int>
Int SaturateTo(double value) {
  constexpr double lo = std::numeric_limits<Int>::min();
  constexpr double hi = std::numeric_limits<Int>::max();
  if (std::isnan(value)) return 0;
  if (value <= lo) return std::numeric_limits<Int>::min();
  if (value >= hi) return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);
}

inline int16_t RoundToInt16(double value) { return SaturateTo<int16_t>(RoundHalfEven(value)); }
inline int32_t RoundToInt32(double value) { return SaturateTo<int32_t>(RoundHalfEven(value)); }
inline int16_t Saturate16(int64_t value) { return SaturateTo<int16_t>(static_cast<double>(value)); }
inline int32_t Saturate32(int64_t value) { return SaturateTo<int32_t>(static_cast<double>(value)); }

}  // namespace marlquin
