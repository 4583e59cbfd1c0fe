// The rules that run a game from its first shot to its end: two new rows pushed in at
// the top whenever the push interval is up, the level that follows the score and
// shortens that interval, and the game-over sequence with its high-score entry.
#pragma once

namespace marlquin {

inline constexpr int PointsPerLevel = 1600;

// Pushes the board down two rows and fills rows 0 and 1; false, with the board as it
// was, when row 13 is occupied.
bool AddRows();

// Level and PushLimit from the score; the banner starts when the level changed.
void UpdateLevel();

// "Game over", the ranking and the name entry, then the end of the program.
void GameOver();

// True while the game-over boxes are open: the game must not advance meanwhile.
bool GameOverInProgress();

}  // namespace marlquin
