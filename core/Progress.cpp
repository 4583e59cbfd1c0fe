// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Progress.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "core/GameState.h"
#include "core/Rounding.h"
#include "core/clsLvlup.h"
#include "persistence/HighScoreFile.h"
#include "platform/Platform.h"

namespace marlquin {
namespace {

bool gameOverRunning = false;

std::string ZeroFilled(int32_t score) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", score);
  return text;
}

// Moves the table down from the fifth row to make room for score; returns its row.
int MakeRoomFor(int32_t score) {
  int k = 4;
  while (k >= 0 && score > NumericValue(HighScores[k][1])) {
    HighScores[k + 1] = HighScores[k];
    --k;
  }
  return k + 1;
}

}  // namespace

void UpdateLevel() {
  const int16_t old = Level;
  Level = Saturate16(static_cast<int64_t>(std::floor(Score / double{PointsPerLevel})));
  PushLimit = Saturate16((int64_t{LevelCount} - Level) * FramesPerLevelStep);
  if (Level != old) Lvlup.Levelup();
}

bool GameOverInProgress() { return gameOverRunning; }

void GameOver() {
  // The boxes below are modal and the frame loop stands still meanwhile, so nothing can
  // start the sequence a second time; should anything try, it is ignored.
  if (gameOverRunning) return;
  struct Running {
    Running() { gameOverRunning = true; }
    ~Running() { gameOverRunning = false; }
  } running;

  platform().MessageBox("Game over", ProgramName, Platform::Buttons::Ok, Platform::Icon::None);
  LoadHighScores();
  if (Score > NumericValue(HighScores[4][1])) {
    const std::string name = NameForTable(
        platform().InputBox("Please input your name", "Congratulation", "", MostNameBytes));
    const int row = MakeRoomFor(Score);
    HighScores[row][1] = ZeroFilled(Score);
    HighScores[row][0] = name;
    HighScores[row][2] = platform().ShortDate();
    if (const std::optional<std::string> failure = SaveHighScores()) {
      platform().MessageBox(*failure, ProgramName, Platform::Buttons::Ok, Platform::Icon::Warning);
    }
  }
  platform().EndProgram();
}

}  // namespace marlquin
