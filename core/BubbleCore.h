// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a landed ball does: a bomb blasts its six neighbours; a colour completing a group
// of three or more bursts it; after either, every bubble no longer hanging from the top
// row falls. Burst and blasted bubbles score 10, falling ones 20.
#pragma once

#include <cstdint>

namespace marlquin {

// Resolves the ball just written into (col, row).
void ResolveShot(int16_t& col, int16_t& row);

// Depth-first search of the landed ball's colour group into MatchList.
void ColorFill(int16_t col, int16_t row, int16_t color);
void BurstMatches();
// Hands every occupied cell not linked to the top row to the fall effect and clears it.
void DropFloating();
void LinkFill(int16_t col, int16_t row);
void BlastBomb(int16_t col, int16_t row);
// Empties one cell and scores factor x 10 when it held a bubble.
void ClearCell(int16_t col, int16_t row, int16_t& factor);

}  // namespace marlquin
