// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one interface through which the window talks to whichever full-window screen is
// current: the menu, the play screen, the high-score table and the two dialogs.
#pragma once

#include <cstdint>

namespace marlquin {

class AbsScreen {
 public:
  virtual ~AbsScreen() = default;
  // Mouse presses and releases carry no position: a screen acts on the last move.
  virtual void MouseUp() {}
  virtual void MouseMove(int16_t x, int16_t y) { (void)x, (void)y; }
  virtual void MouseDown() {}
  // Prepares the screen; may be called more than once.
  virtual void Initialize() {}
  // Advances the screen by one tick and paints its whole picture into the back buffer.
  virtual void Draw() {}
};

}  // namespace marlquin
