// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/AimBot.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/BubbleCore.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/clsBall.h"

namespace marlquin::sim {
namespace {

// The launcher turns in steps of 2 between -AimLimit and AimLimit.
constexpr int MinAimStep = -AimLimit;
constexpr int MaxAimStep = AimLimit;
constexpr int AimStepPerKey = 2;

void AimAt(int aimStep) {
  AimStep = static_cast<int16_t>(aimStep);
  ShootAngle = AngleFromAimStep(aimStep);
  Ball.NewBall(ShootAngle, CurColor);
}

// The size of the group a ball of this colour would make in the free cell.
int GroupSizeAt(int col, int row, int16_t color) {
  int16_t& cell = Board[CellIndex(col, row)];
  const int16_t was = cell;
  cell = color;
  MatchList.clear();
  VisitList.clear();
  MatchCount = 0;
  ColorFill(static_cast<int16_t>(col), static_cast<int16_t>(row), color);
  cell = was;
  return MatchCount;
}

}  // namespace

int16_t AimBot::Aim() {
  std::vector<int> best;
  int bestSize = 0;
  int16_t longestPath = 0;
  for (int aimStep = MinAimStep; aimStep <= MaxAimStep; aimStep += AimStepPerKey) {
    AimAt(aimStep);
    longestPath = std::max(longestPath, Ball.StepCount);
    const int size = GroupSizeAt(Ball.LandCol(), Ball.LandRow(), CurColor);
    if (size > bestSize) best.clear();
    if (size >= bestSize) {
      bestSize = size;
      best.push_back(aimStep);
    }
  }
  AimAt(best[static_cast<size_t>(std::floor(Rnd() * static_cast<double>(best.size())))]);
  return longestPath;
}

}  // namespace marlquin::sim
