// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// For tests and developer tools (screenshots, benchmarks) only: reading the back buffer.
// Each of these paints the calls kept so far, which the game leaves to Present.
#pragma once

#include <cstdint>

class QImage;

namespace marlquin {

// The back buffer with every call so far painted; nullptr before the layer has started.
const QImage* BackBuffer();
uint32_t BackBufferPixel(int x, int y);  // unpremultiplied ARGB
// Whether the last frame began with a call that covers the whole buffer opaquely; without
// one the layer paints the whole buffer every tick, which no picture shows.
bool LastFrameStartedClean();
// Paints the last frame's calls again over the whole buffer, reusing nothing, to compare
// with what painting only the changed area gave.
void RedrawWholeFrame();

}  // namespace marlquin
