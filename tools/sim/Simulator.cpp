// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/Simulator.h"

#include "core/GameState.h"
#include "core/Progress.h"
#include "core/RoundFlow.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "tools/sim/SimPlatform.h"

namespace marlquin::sim {
namespace {

// Ten million ticks are two and a half days of play: a game that long is stuck.
constexpr int64_t MaxTicksPerGame = 10'000'000;

}  // namespace

std::string Simulator::BrokenInvariant(int16_t longestPath) const {
  int occupied = 0;
  for (int16_t cell : Board) {
    if (cell < EmptyCell || cell >= BombColor) return "a cell holds " + std::to_string(cell);
    occupied += cell != EmptyCell;
  }
  if (longestPath >= clsBall::PathCapacity) {
    return "a path needed all " + std::to_string(clsBall::PathCapacity) + " positions";
  }
  if (Level != static_cast<int16_t>(Score / PointsPerLevel)) {
    return "level " + std::to_string(Level) + " at score " + std::to_string(Score);
  }
  const int16_t limit =
      Score > 0 ? Saturate16((int64_t{LevelCount} - Level) * FramesPerLevelStep) : firstPushLimit_;
  if (PushLimit != limit) {
    return "push limit " + std::to_string(PushLimit) + " at level " + std::to_string(Level);
  }
  if (BallCount < occupied) {
    return "ball count " + std::to_string(BallCount) + " below " + std::to_string(occupied) +
           " occupied cells";
  }
  return "";
}

std::string Simulator::PlayGame() {
  ++totals_.games;
  // A new game aims its first path before it refills the board, and the board that ended
  // the last game would end this one too: start from an empty one.
  Board.fill(EmptyCell);
  StartGame();
  firstPushLimit_ = PushLimit;
  bool fired = false;
  int16_t longestPath = 0;
  try {
    for (int64_t tick = 0; tick < MaxTicksPerGame; ++tick) {
      // One frame: the push check, then the play screen's part of its Draw.
      if (PushTick > PushLimit) {
        PushTick = 0;
        if (!AddRows()) GameOver();
      }
      Ball.Run();
      PushTick = Saturate16(int32_t{PushTick} + 1);
      ++totals_.ticks;
      if (Ball.Flying) continue;

      // Between frames the ball is back on the launcher: check the shot, aim and fire.
      if (fired) {
        if (std::string broken = BrokenInvariant(longestPath); !broken.empty()) return broken;
      }
      longestPath = bot_.Aim();
      ++totals_.shots;
      fired = true;
      FireBall();
    }
  } catch (const GameEnded&) {
    return fired ? BrokenInvariant(longestPath) : "";
  }
  return "the game did not end within " + std::to_string(MaxTicksPerGame) + " ticks";
}

}  // namespace marlquin::sim
