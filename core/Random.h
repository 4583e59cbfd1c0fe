// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one process-wide source of uniform random numbers in [0, 1).
#pragma once

#include <cstdint>
#include <functional>

namespace marlquin {

double Rnd();

void SeedRandom(uint64_t seed);
void SeedRandomFromClock();

// Tests replace the generator with a scripted sequence; an empty function restores it.
void SetRandomSource(std::function<double()> source);

}  // namespace marlquin
