// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores, kept between runs in "Bubble.rec" in the data folder (beside the
// program when it may write there): 15 text lines ended by CR LF, three per entry (name,
// score as six or more digits, date).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace marlquin {

// Rows 0..4 are ranks 1..5, best first; row 5 is the spare the insertion shifts into.
// Columns: 0 name, 1 score text, 2 date text.
extern std::array<std::array<std::string, 3>, 6> HighScores;
void ResetHighScores();  // all 18 fields empty, as at start

// Only this much of the file is read: fifteen lines of names, scores and dates fit many
// times over, and drawing a longer field every frame would slow the table screen below
// the frame rate.
inline constexpr size_t MostTableBytes = 4 * 1024;
// The longest name kept, in bytes of its UTF-8 text: five names this long leave more than
// half of MostTableBytes for the scores, dates and line ends, so every table the game
// writes reads back whole.
inline constexpr size_t MostNameBytes = MostTableBytes / 16;

// Fills rows 0..4 from the file in file order (DataFileToRead: while the data folder has
// no table yet, the one beside the program). Fields the file does not reach keep their
// values; a missing file reads nothing; a file is read no further than MostTableBytes.
void LoadHighScores();

// Replaces the file in the data folder with rows 0..4, making the data folder when it is
// missing. The new table is written beside the old file and renamed over it, so a failure
// leaves the old file whole. Refused when the table read is longer than MostTableBytes
// (rows the game never read would be lost) or the new one would be. Nothing when it was
// written, otherwise a sentence for the player naming the file or folder and the reason.
std::optional<std::string> SaveHighScores();

// A typed name as the table keeps it: without line breaks, which would split its line,
// and cut to MostNameBytes at a character boundary.
std::string NameForTable(std::string typed);

// The value of a score text's leading digits; an empty or non-numeric text is 0.
double NumericValue(const std::string& text);

}  // namespace marlquin
