// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shots per second of a whole flight: the path computed for an aim, the ball shot and
// played back to its landing, the landing resolved and the next ball prepared, on
// freshly filled boards of four to nine rows.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "bench/BenchSetup.h"
#include "core/GameState.h"
#include "core/Random.h"
#include "core/RoundFlow.h"
#include "core/clsBall.h"

namespace marlquin::bench {
namespace {

constexpr int AimSteps = 41;  // -40..40 in steps of 2

struct TypicalBoard {
  std::array<int16_t, BoardCells> cells;
  int16_t ballCount;
};

std::vector<TypicalBoard> TypicalBoards() {
  std::vector<TypicalBoard> boards;
  SeedRandom(7);
  // A new board has floor(Level / 2) + 4 full rows.
  for (int16_t level = 0; level <= 10; level += 2) {
    for (int i = 0; i < 8; ++i) {
      Level = level;
      FillBoard();
      boards.push_back({Board, BallCount});
    }
  }
  Level = 0;
  return boards;
}

void BM_ShotFromAimToLanding(benchmark::State& state) {
  Setup();
  const std::vector<TypicalBoard> boards = TypicalBoards();
  Ball = clsBall{};
  Ball.init(LaunchX, LaunchY);
  int64_t shots = 0;
  for (auto _ : state) {
    const TypicalBoard& board = boards[shots % boards.size()];
    Board = board.cells;
    BallCount = board.ballCount;
    Score = 0;
    ShootAngle = AngleFromAimStep(static_cast<int>(shots % AimSteps) * 2 - 40);
    CurColor = static_cast<int16_t>(shots % 6 + 1);
    Ball.NewBall(ShootAngle, CurColor);
    Ball.Shoot();
    while (Ball.Flying) Ball.Run();
    benchmark::DoNotOptimize(Board);
    ++shots;
  }
  state.SetItemsProcessed(shots);
}
BENCHMARK(BM_ShotFromAimToLanding);

}  // namespace
}  // namespace marlquin::bench
