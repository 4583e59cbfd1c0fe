// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A small seeded generator, so that every picture and sound comes out the same on every
// run and every standard library (std distributions are implementation-defined).
#pragma once

#include <cstdint>

namespace marlquin::assetgen {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Range(double low, double high) { return low + (high - low) * Uniform(); }
  // Uniform in [-1, 1).
  double Signed() { return Range(-1.0, 1.0); }

 private:
  uint64_t state_;
};

}  // namespace marlquin::assetgen
