// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The push clock and the bar beside the board that shows how near the next push of rows
// is. The clock advances only here, once for every tick the play screen is drawn: the board
// comes down while a game is on screen, also beneath the pause and message dialogs, and
// stands still on the other screens.
#pragma once

#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class PushTimeBar {
 public:
  PushTimeBar() = default;
  PushTimeBar(const PushTimeBar&) = delete;
  PushTimeBar& operator=(const PushTimeBar&) = delete;
  ~PushTimeBar();

  // Advances the push clock by one tick and paints the bar, which follows it every tenth.
  void Draw();

 private:
  int16_t height_ = 0;
  BrushHandle brush_ = 0;
};

}  // namespace marlquin
