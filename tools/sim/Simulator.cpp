#include "tools/sim/Simulator.h"

#include <cmath>

#include "core/GameState.h"
#include "core/Random.h"
#include "core/RoundFlow.h"
#include "core/Rounding.h"
#include "core/clsBall.h"
#include "shell/Gamectrl.h"
#include "tools/sim/SimPlatform.h"

namespace marlquin::sim {
namespace {

constexpr int16_t FirstPushLimit = 1000;  // until the first bubble is scored
constexpr int FramesPerLevelStep = 60;
constexpr int LevelCount = 20;
// Ten million ticks are two and a half days of play: a game that long is stuck.
constexpr int64_t MaxTicksPerGame = 10'000'000;

}  // namespace

// NewGame's steps for the game state, less its first NewBall: that one is aimed at the
// old board, and the board that ended the last game would end this one too.
void Simulator::StartGame() {
  Ball.EndFlight();
  Score = 0;
  Level = 0;
  AimStep = 0;
  Ball.init(LaunchX, LaunchY);
  ShootAngle = AngleFromAimStep(AimStep);
  FillBoard();
  PushLimit = FirstPushLimit;
  CurColor = RoundToInt16(2 * Rnd() + 1);
  NextColor = RoundToInt16(2 * Rnd() + 1);
  Ball.NewBall(ShootAngle, CurColor);
  PushTick = 0;
}

// Fire's steps without the play screen's rising launcher.
void Simulator::FireBall() {
  CurColor = NextColor;
  NextColor = RoundToInt16(6 * Rnd() + 1);
  GuideShot = std::floor(7 * Rnd()) == 3;
  Ball.Shoot();
}

std::string Simulator::BrokenInvariant(int16_t longestPath) const {
  int occupied = 0;
  for (int16_t cell : Board) {
    if (cell < 0 || cell > 6) return "a cell holds " + std::to_string(cell);
    occupied += cell != EmptyCell;
  }
  if (longestPath >= clsBall::PathCapacity) {
    return "a path needed all " + std::to_string(clsBall::PathCapacity) + " positions";
  }
  if (Level != static_cast<int16_t>(Score / 1600)) {
    return "level " + std::to_string(Level) + " at score " + std::to_string(Score);
  }
  const int16_t limit = Score > 0 ? Saturate16((int64_t{LevelCount} - Level) * FramesPerLevelStep)
                                  : FirstPushLimit;
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
  StartGame();
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
