// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five best scores, kept between runs in "Bubble.rec" in the data folder (beside the
// program when it may write there): 15 text lines ended by CR LF, three per entry (name,
// score as six or more digits, date).
#pragma once

#include <array>
#include <optional>
#include <string>

namespace marlquin {

// Rows 0..4 are ranks 1..5, best first; row 5 is the spare the insertion shifts into.
// Columns: 0 name, 1 score text, 2 date text.
extern std::array<std::array<std::string, 3>, 6> HighScores;
void ResetHighScores();  // all 18 fields empty, as at start

// Fills rows 0..4 from the file in file order. Fields the file does not reach keep
// their values; a missing file reads nothing. Only the first 4 KiB are read, so that
// any file keeps the table screen, which reads it on every frame, at full speed.
void LoadHighScores();

// Replaces the file with rows 0..4. The new table is written beside the old file and
// renamed over it, so a failure leaves the old file whole; the data folder is created
// first when needed. Nothing when it was written, otherwise a sentence for the player
// naming the file or folder and the reason.
std::optional<std::string> SaveHighScores();

// The value of a score text's leading digits; an empty or non-numeric text is 0.
double NumericValue(const std::string& text);

}  // namespace marlquin
