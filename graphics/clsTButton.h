// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A text button on the shared button face: the caption centred on an estimate of 10
// pixels per character, underlined in translucent yellow while the pointer is over it.
#pragma once

#include <string>

#include "graphics/clsWidget.h"

namespace marlquin {

class clsTButton final : public clsWidget {
 public:
  // A sheet handle below 1 selects the shared ButtonFace.
  void init(int16_t width, int16_t height, const std::string& cap, ImageHandle sur = 0);
  void Draw();

  // Where the caption starts: half to even of (width - 10 per character) / 2 + left.
  int16_t CaptionX() const;

 private:
  std::string caption;
};

}  // namespace marlquin
