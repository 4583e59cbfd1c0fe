// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the game fades in and out: the bomb's explosion and the level-up banner.
// Neither holds a pixel of neutral grey, which the game's fading would leave at full strength.
#pragma once

#include <QImage>

namespace marlquin::assetgen {

// 100 x 75: a ragged fireball inside a pale shock ring, with escaping air bubbles.
QImage Explosion();

// 160 x 45: "LEVEL UP!" in gold on a coral ribbon.
QImage LevelUpBanner();

}  // namespace marlquin::assetgen
