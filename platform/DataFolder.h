// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own files live: the high-score file and the folder proposed for
// saved games. Beside the program while its folder is writable (the build folder, the
// portable archive); otherwise, as in an install for all users, in the per-user folder
// $XDG_DATA_HOME/marlquin (~/.local/share/marlquin when that is not set).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace marlquin {

std::string DataFolder();

// DataFolder + literal, resolved as ProgramFile resolves it.
std::string DataFile(const std::string& literal);

// The file to read a player's file from: DataFile(literal) or, while that does not exist,
// the one beside the program, so that scores kept there before the program folder became
// read-only are still found. The first write goes to DataFile(literal).
std::string DataFileToRead(const std::string& literal);

// The folder for saved games in the data folder: the folder named "save" in any case
// (that spelling first), whatever else carries the name; DataFolder/save while there is
// none, to be made; nothing when that name is taken by something that is no folder.
std::optional<std::string> SavedGamesFolder();
inline constexpr char SavedGamesName[] = "save";

// The outcome of making a folder where it was missing.
struct MadeFolders {
  std::vector<std::string> made;       // the folders that were missing, deepest first
  std::optional<std::string> failure;  // "the folder ... could not be created (reason)"

  // Takes the made folders away again where they are still empty.
  void RemoveWhereEmpty() const;
};

// Creates folder and the folders above it that are missing.
MadeFolders MakeFolders(const std::string& folder);

}  // namespace marlquin
