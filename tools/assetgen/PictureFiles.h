// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures byte for byte the same on every run: PNG without time or gamma chunks,
// and the uncompressed 24-bit BMP that colour-keyed pictures need.
#pragma once

#include <QImage>
#include <filesystem>

namespace marlquin::assetgen {

// The game decodes its pictures at every start, before its first frame: stored without
// compression or filtering, a window-sized one decodes in a fifth of the time. The packages
// compress them anyway.
void SavePng(const std::filesystem::path& file, const QImage& picture);
// For the window's icon, which the desktop reads too, in every theme size: small files.
void SaveCompressedPng(const std::filesystem::path& file, const QImage& picture);
// Alpha is dropped: the picture must already be opaque (colour-keyed pictures are).
void SaveBmp24(const std::filesystem::path& file, const QImage& picture);

}  // namespace marlquin::assetgen
