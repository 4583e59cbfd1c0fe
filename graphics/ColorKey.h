// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour keys of DrawImage: pixels of the key colour are left out.
#pragma once

#include <cstdint>

namespace marlquin {

// Magenta: the transparent colour screens pass to DrawImage.
inline constexpr uint32_t ColorKey = 0x00FF00FF;
inline constexpr uint32_t NoColorKey = 0xFFFFFFFF;

}  // namespace marlquin
