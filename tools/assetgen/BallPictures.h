// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ball pictures b0..b8 and the window icon.
#pragma once

#include <QImage>
#include <vector>

namespace marlquin::assetgen {

constexpr int BallSize = 30;

// Nine 30 x 30 pictures: the six colours (each with its own symbol, so that the colours
// can be told apart without seeing colour), the sea-mine bomb, the aiming-guide mark that
// the ball shows through, and a spare iridescent ball.
std::vector<QImage> BallPictures();

// size x size: three of the game's balls in a cluster. The window's icon is 64 x 64.
QImage WindowIcon(int size);

}  // namespace marlquin::assetgen
