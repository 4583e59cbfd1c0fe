// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three sound effects, mono, each peaking just under full scale.
#pragma once

#include "Synth.h"

namespace marlquin::assetgen {

// About 0.7 s: a bright glassy "ding" for a ball coming to rest.
Samples LandingDing();
// About 1.8 s: a deep underwater blast with a rush of bubbles after it.
Samples BombBlast();
// About 0.25 s: the pop of a bursting bubble with a small splash.
Samples SplashPop();

}  // namespace marlquin::assetgen
