// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the units of the drawing layer share among themselves; the game uses GDIPLUSLib.h.
#pragma once

#include <QImage>

#include "graphics/DrawCommand.h"

namespace marlquin {

// The back buffer; nullptr before the layer has started, or when it could not.
const QImage* StartedBackBuffer();
// Keeps a call for the frame being drawn; nothing before the layer has started.
void RecordCall(DrawCall call);
// Run by InitGraphics: forget what an earlier start left. StartText also makes the bundled
// face known.
void StartText();
void StartShapes();

}  // namespace marlquin
