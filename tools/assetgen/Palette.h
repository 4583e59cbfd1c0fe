// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the game's underwater look, named once so that every picture agrees.
#pragma once

#include <QColor>

namespace marlquin::assetgen::palette {

// Open water, from the sunlit top to the deep.
inline const QColor SeaTop{58, 160, 186};
inline const QColor SeaMiddle{22, 92, 142};
inline const QColor SeaDeep{8, 36, 78};
inline const QColor SeaHaze{120, 200, 215};

// The frames: deep teal panels with aqua rims and brass fittings.
inline const QColor PanelDark{10, 40, 66};
inline const QColor PanelLight{30, 88, 120};
inline const QColor RimLight{150, 228, 236};
inline const QColor RimDark{6, 22, 40};
inline const QColor Brass{214, 170, 86};
inline const QColor BrassLight{255, 238, 176};
inline const QColor BrassDark{106, 72, 30};

// Light places behind the game's dark text.
inline const QColor Pearl{240, 249, 247};
inline const QColor PearlShade{196, 226, 228};

// Lettering drawn into the pictures.
inline const QColor LabelLight{214, 244, 248};
inline const QColor LabelDeep{16, 70, 96};
inline const QColor Foam{236, 252, 255};

inline const QColor Coral{240, 112, 86};
inline const QColor Gold{255, 206, 72};

// The six ball colours, far apart in hue and in lightness.
inline const QColor BallRed{224, 46, 52};
inline const QColor BallYellow{252, 204, 36};
inline const QColor BallGreen{52, 182, 74};
inline const QColor BallBlue{40, 102, 232};
inline const QColor BallMagenta{204, 62, 196};
inline const QColor BallPearl{238, 232, 246};

}  // namespace marlquin::assetgen::palette
