// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, brushes, filled rectangles and lines in the drawing layer. Brushes are numbered
// handles kept by whoever made them; 0 is "nothing". Part of GDIPLUSLib's interface.
#pragma once

#include <cstdint>

namespace marlquin {

using BrushHandle = int32_t;

// ARGB (alpha a1, red a4, green a3, blue a2).
uint32_t MakeColor(int a1, int a2, int a3, int a4);
// Solid brush of ARGB (alpha p4, red p3, green p2, blue p1).
BrushHandle MakeBrush(int p1, int p2, int p3, int p4);
// Linear blend from color1 at (x1, y1) to color2 at (x2, y2), mirrored beyond both ends.
BrushHandle MakeGradientBrush(float x1, float y1, float x2, float y2, uint32_t color1,
                              uint32_t color2);
void DeleteBrush(BrushHandle brush);
void FillRect(int32_t x, int32_t y, int16_t w, int16_t h, BrushHandle brush);
// Flat ends that stop exactly at the two points.
void DrawLine(uint32_t color, float width, float x1, float y1, float x2, float y2);

}  // namespace marlquin
