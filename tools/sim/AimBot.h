// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation's player: it tries every aim the launcher allows and keeps the one whose
// landing cell completes the biggest group of the waiting ball's colour, picking at
// random among equals.
#pragma once

#include <cstdint>

namespace marlquin::sim {

class AimBot {
 public:
  // Sets AimStep and ShootAngle and prepares the waiting ball for the chosen aim, as the
  // aiming keys do. Returns the most positions any path it tried needed.
  int16_t Aim();
};

}  // namespace marlquin::sim
