// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The four creatures that swim over the sea behind the menus and the playfield.
#pragma once

#include <QImage>

namespace marlquin::assetgen {

// 72 x 75: a glowing pink jellyfish that rises, bell up.
QImage Jellyfish();
// 63 x 55: a striped reef fish heading down and to the left.
QImage ReefFish();
// 27 x 37: a small squid that jets upwards.
QImage Squid();
// 57 x 77: a golden seahorse drifting upwards.
QImage Seahorse();

}  // namespace marlquin::assetgen
