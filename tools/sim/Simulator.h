// Plays whole games headless: the game-state steps of a new game, then frame ticks
// without drawing, the bot firing whenever the ball is back on the launcher, until
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
  void StartGame();
  void FireBall();
  std::string BrokenInvariant(int16_t longestPath) const;

  AimBot bot_;
  Totals totals_;
};

}  // namespace marlquin::sim
