// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own hand pointer: over a button the system pointer is hidden and the
// hovered widget draws a hand picture at the last pointer position.
#pragma once

#include <cstdint>

namespace marlquin {

extern int32_t HandOwner;  // owner id of the widget holding the hand; 0 = nobody
extern uint8_t HandImage;
extern int16_t HandX;
extern int16_t HandY;

// Nobody holds the hand and no picture is loaded, as at start.
void ResetHandCursor();

inline constexpr char HandCursorFile[] = "\\Res\\handicon.png";
void LoadHandCursor();
void ResetCursor();
void SetHand(int32_t owner, uint8_t image, int16_t x, int16_t y);
void ReleaseHand(int32_t owner);
void DrawHand();

}  // namespace marlquin
