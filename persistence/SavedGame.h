// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game in progress written to a 364-byte ".sv" file and read back: the 176 board
// cells, PushLimit, Level, PushTick and BallCount as 16-bit values and the score as a
// 32-bit value, all little-endian. Colours, aim and running effects are not stored.
#pragma once

#include <optional>
#include <string>

namespace marlquin {

inline constexpr size_t SavedGameBytes = 364;

void SaveGame();
// True when a file was chosen and read into the game; false when the player cancelled
// or the file was refused, in which case the game in progress is untouched.
bool LoadGame();

std::string AskOpenGameFile();
bool FileExists(const std::string& path);

// The file's bytes for the game state as it stands, and the reverse. The reverse reads the
// first 364 bytes and refuses anything the game cannot have written: a shorter file,
// cells outside 0..7, a negative score, a BallCount below the bubbles on the board (the
// search for bubbles hanging from the top row is bounded by it).
std::string EncodeSavedGame();
bool DecodeSavedGame(const std::string& bytes);

}  // namespace marlquin
