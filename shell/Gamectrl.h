// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game and firing the waiting ball: the two game operations that the menu,
// the play screen and the window's keys share. The rules they drive live in
// core/RoundFlow; these add what the play screen needs.
#pragma once

namespace marlquin {

// A fresh game on the play screen: board, counters, colours and the push clock.
void NewGame();
// Moves the next colour onto the launcher, draws a new next colour and shoots.
void Fire();
// Sets up the play screen and the launcher for a saved game loaded before any game was
// started: what NewGame prepares besides the board and the counters. Does nothing once
// the play screen is set up.
void PrepareFirstGame();

}  // namespace marlquin
