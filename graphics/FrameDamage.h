// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which part of the back buffer a frame's drawing can change, found from its calls alone.
// The frame must start from a clean slate: a first call that hides the whole buffer, so
// that nothing left from earlier frames shows through. Then a pixel keeps its colour when,
// from the last unchanged call that covers it opaquely on, every call that can touch it is
// the same, in the same order, as in the frame before.
#pragma once

#include <QRegion>
#include <vector>

#include "graphics/DrawCommand.h"

namespace marlquin {

// The area of buffer that drawing now can make differ from drawing before (the calls that
// last filled the buffer). The whole buffer when now does not start from a clean slate.
QRegion ChangedArea(const std::vector<DrawCommand>& before, const std::vector<DrawCommand>& now,
                    const QRect& buffer);

}  // namespace marlquin
