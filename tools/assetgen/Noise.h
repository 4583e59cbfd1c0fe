// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Smooth value noise for organic textures: water haze, light rays, sand, ragged flames.
#pragma once

#include <cstdint>

namespace marlquin::assetgen {

// Noise in [0, 1] that varies smoothly with x, about one feature per unit.
double ValueNoise(double x, uint32_t seed);
double ValueNoise(double x, double y, uint32_t seed);

// Sum of `octaves` layers of noise, each twice as fine and half as strong; in [0, 1].
double FractalNoise(double x, double y, uint32_t seed, int octaves);

}  // namespace marlquin::assetgen
