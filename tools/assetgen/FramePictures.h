// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three 800 x 600 screen frames drawn over the sea.
#pragma once

#include <QImage>

namespace marlquin::assetgen {

// The play screen: panels around a clear playfield, with places for the score and level,
// the buttons, the toggles, the launcher, the next ball and the push-time bar.
QImage PlayFrame();

// The main menu: the title, a place for the version line and a glass panel for the buttons.
QImage MenuFrame();

// The high-score screen: title, column headings, rank medals and striped rows.
QImage HighScoreFrame();

}  // namespace marlquin::assetgen
