// Starting a game and firing the waiting ball: the two game operations that the menu,
// the play screen and the window's keys share.
#pragma once

namespace marlquin {

// The launch point: the middle of the playfield, in the launcher row.
inline constexpr int LaunchX = 165;
inline constexpr int LaunchY = 364;

// A fresh game on the play screen: board, counters, colours and the push clock.
void NewGame();
// Moves the next colour onto the launcher, draws a new next colour and shoots.
void Fire();
// Sets up the play screen and the launcher for a saved game loaded before any game was
// started: what NewGame prepares besides the board and the counters.
void PrepareFirstGame();

}  // namespace marlquin
