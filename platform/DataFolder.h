// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own files live: the high-score file and the folder proposed for
// saved games. Beside the program while its folder is writable (the build folder, the
// portable archive); otherwise, as in an install for all users, in the per-user folder
// $XDG_DATA_HOME/marlquin (~/.local/share/marlquin when that is not set).
#pragma once

#include <optional>
#include <string>

namespace marlquin {

std::string DataFolder();

// DataFolder + literal, resolved as ProgramFile resolves it.
std::string DataFile(const std::string& literal);

// Creates the data folder and its save/ when they are missing. Nothing when they are
// there, otherwise a sentence for the player naming the folder and the reason.
std::optional<std::string> MakeDataFolder();

}  // namespace marlquin
