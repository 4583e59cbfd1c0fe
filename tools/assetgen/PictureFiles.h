// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures byte for byte the same on every run: PNG without time or gamma chunks,
// and the uncompressed 24-bit BMP that colour-keyed pictures need.
#pragma once

#include <QImage>
#include <filesystem>

namespace marlquin::assetgen {

void SavePng(const std::filesystem::path& file, const QImage& picture);
// Alpha is dropped: the picture must already be opaque (colour-keyed pictures are).
void SaveBmp24(const std::filesystem::path& file, const QImage& picture);

}  // namespace marlquin::assetgen
