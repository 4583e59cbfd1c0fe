// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Random.h"

#include <chrono>
#include <random>
#include <utility>

namespace marlquin {
namespace {

std::mt19937_64& Generator() {
  static std::mt19937_64 generator(5489u);
  return generator;
}

std::function<double()>& Override() {
  static std::function<double()> source;
  return source;
}

}  // namespace

double Rnd() {
  if (Override()) return Override()();
  // 53 random bits give every double in [0, 1) on the 2^-53 grid, never 1.0.
  return static_cast<double>(Generator()() >> 11) * 0x1.0p-53;
}

void SeedRandom(uint64_t seed) { Generator().seed(seed); }

void SeedRandomFromClock() {
  SeedRandom(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void SetRandomSource(std::function<double()> source) { Override() = std::move(source); }

}  // namespace marlquin
