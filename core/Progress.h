// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How far a game has come: the level that follows the score and shortens the interval
// between pushes, and the game-over sequence with its high-score entry.
#pragma once

namespace marlquin {

inline constexpr int PointsPerLevel = 1600;
// From this level on the push interval is zero or below: new rows come on every tick.
inline constexpr int LevelCount = 20;
inline constexpr int FramesPerLevelStep = 60;  // the push interval is this per level below

// Level and PushLimit from the score; the banner starts when the level changed.
void UpdateLevel();

// "Game over", the ranking and the name entry, then the end of the program.
void GameOver();

// True while the game-over boxes are open: the game must not advance meanwhile.
bool GameOverInProgress();

}  // namespace marlquin
