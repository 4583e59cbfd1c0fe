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
// The longest field kept, a name above all, in bytes of its UTF-8 text: fifteen fields
// this long with their line ends fit in MostTableBytes, so every table the game writes
// reads back whole.
inline constexpr size_t MostNameBytes = MostTableBytes / 16;
static_assert(15 * (MostNameBytes + 2) <= MostTableBytes);

// Fills rows 0..4 from the file in file order (DataFileToRead: while the data folder has
// no table yet, the one beside the program). Fields the file does not reach keep their
// values; a missing file reads nothing; a file is read no further than MostTableBytes.
void LoadHighScores();

// Replaces the player's own table (DataFile) with rows 0..4, each field cut to
// MostNameBytes, making the data folder when it is missing. The new table is written
// beside the old one and renamed over it, so a failure leaves the old one whole. Whatever
// stands there and cannot be rewritten without losing bytes (unreadable, longer than
// MostTableBytes, not a file, a field or line the table does not keep) is first set aside
// under a new name beside it. Nothing when the table was written without a word,
// otherwise sentences for the player naming the files and folders and what became of them.
std::optional<std::string> SaveHighScores();

// A typed name as the table keeps it: without line breaks, which would split its line,
// and cut to MostNameBytes at a character boundary.
std::string NameForTable(std::string typed);

// The value of a score text's leading digits; an empty or non-numeric text is 0.
double NumericValue(const std::string& text);

}  // namespace marlquin
