// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include <cmath>

namespace marlquin::assetgen {
namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x27D4EB2Du ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
               static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Lattice(int32_t x, int32_t y, uint32_t seed) { return Hash(x, y, seed) / 4294967295.0; }

double Fade(double t) { return t * t * (3.0 - 2.0 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double ValueNoise(double x, uint32_t seed) { return ValueNoise(x, 0.0, seed); }

double ValueNoise(double x, double y, uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
  const double tx = Fade(x - fx), ty = Fade(y - fy);
  const double top = Lerp(Lattice(ix, iy, seed), Lattice(ix + 1, iy, seed), tx);
  const double bottom = Lerp(Lattice(ix, iy + 1, seed), Lattice(ix + 1, iy + 1, seed), tx);
  return Lerp(top, bottom, ty);
}

double FractalNoise(double x, double y, uint32_t seed, int octaves) {
  double sum = 0.0, weight = 1.0, total = 0.0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * ValueNoise(x, y, seed + static_cast<uint32_t>(octave) * 7919u);
    total += weight;
    x *= 2.0;
    y *= 2.0;
    weight *= 0.5;
  }
  return sum / total;
}

}  // namespace marlquin::assetgen
