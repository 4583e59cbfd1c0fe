// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole games headless: the game's own start, then frame ticks without drawing,
// the bot firing the game's own way whenever the ball is back on the launcher, until
// game over. After every shot it checks the invariants the rules promise.
#pragma once

#include <cstdint>
#include <string>

#include "tools/sim/AimBot.h"

namespace marlquin::sim {

struct Totals {
  int64_t games = 0;
  int64_t shots = 0;
  int64_t ticks = 0;
};

class Simulator {
 public:
  // Plays one game to its end. Returns the first broken invariant, empty when none was.
  std::string PlayGame();
  const Totals& totals() const { return totals_; }

 private:
  std::string BrokenInvariant(int16_t longestPath) const;

  AimBot bot_;
  Totals totals_;
  int16_t firstPushLimit_ = 0;  // the push limit a new game sets, until something scores
};

}  // namespace marlquin::sim
