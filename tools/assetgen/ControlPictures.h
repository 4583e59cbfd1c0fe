// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the controls: button faces, the two toggles, the hand cursor, the
// launcher, the splash droplet and the pause icon.
#pragma once

#include <QImage>

namespace marlquin::assetgen {

// 300 x 80: four light 150 x 40 faces; the column is hover (away, over), the row is
// pressed (up, down).
QImage ButtonFaces();

enum class ToggleIcon { Speaker, Note };
// 96 x 96: four 48 x 48 round toggles; the column is hover, row 0 is off, row 1 is on.
QImage ToggleSheet(ToggleIcon icon);

// A pointing hand whose fingertip is the top-left pixel.
QImage HandCursor();

// 40 x 80 brass harpoon launcher pointing up, whose cradle centres on (20, 64).
QImage Launcher();

// 16 x 16 water droplet.
QImage Droplet();

// A pause symbol on a bubble, on the magenta colour key; edges are smoothed against the
// light dialog it is shown on, so no magenta fringe remains.
QImage PauseIcon();

}  // namespace marlquin::assetgen
