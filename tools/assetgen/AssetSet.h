// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The complete contents of the game's res folder, written in one go.
#pragma once

#include <filesystem>

namespace marlquin::assetgen {

// Writes every picture and sound into folder (created if needed), overwriting what is there.
void WriteAssetSet(const std::filesystem::path& folder);

// Writes the window icon at the sizes desktops look for, laid out as an icon theme:
// folder/hicolor/NxN/apps/marlquin.png.
void WriteIconTheme(const std::filesystem::path& folder);

}  // namespace marlquin::assetgen
