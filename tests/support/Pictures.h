// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures written to disk for drawing tests.
#pragma once

#include <QColor>
#include <QImage>
#include <functional>
#include <string>

namespace marlquin::test {

inline constexpr uint32_t Black = 0xFF000000;

// A w x h picture whose pixel (x, y) is colour(x, y), saved as PNG at path.
std::string WritePicture(const std::string& path, int w, int h,
                         const std::function<QColor(int x, int y)>& colour);
std::string WriteSolidPicture(const std::string& path, int w, int h, QColor colour);

// Fills the whole back buffer with an opaque colour (ARGB).
void ClearTo(uint32_t argb);

// Bounding box of the pixels of the back buffer that differ from background (ARGB),
// within an area; an empty QRect when none differ.
QRect InkBox(uint32_t background, const QRect& area);
// The same for the pixels that have exactly this colour.
QRect ColourBox(uint32_t colour, const QRect& area);

// Expects that the last frame started from a clean slate, and that painting only where its
// calls changed gave exactly the frame that painting all of them gives.
void ExpectTheWholeFrame(const std::string& what);

}  // namespace marlquin::test
