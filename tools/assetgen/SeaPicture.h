// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The opaque 800 x 600 sea behind every screen.
#pragma once

#include <QImage>

namespace marlquin::assetgen {

// Sunlit water fading into the deep, slanting light rays, a hazy reef far off, a rippled
// sand floor with kelp, coral and rocks, and drifting specks.
QImage SeaBackground();

}  // namespace marlquin::assetgen
