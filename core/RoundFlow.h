// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The moves that drive a game from outside a shot: a fresh board and counters, the
// launcher made ready, the waiting ball fired, and two new rows pushed in at the top
// whenever the push interval is up.
#pragma once

#include "core/GameState.h"

namespace marlquin {

// The launch point: the waiting ball's centre, in the middle of the playfield, and
// 14 rows (363.73) down, rounded.
inline constexpr int LaunchX = BoardCols / 2 * CellWidth + BallRadius;
inline constexpr int LaunchY = 364;

// A fresh game: counters, board, colours and the push clock. Lets pending events run
// between its steps, as the window needs.
void StartGame();

// The launcher aimed straight up with two new starting colours.
void ReadyLauncher();

// Moves the next colour onto the launcher, draws a new next colour and the guide chance,
// and shoots. Only while no ball flies.
void FireBall();

// Pushes the board down two rows and fills rows 0 and 1; false, with the board as it
// was, when row 13 is occupied.
bool AddRows();

}  // namespace marlquin
