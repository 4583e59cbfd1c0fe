// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An image check box: flips at the press, and shows its lower row while checked.
#pragma once

#include <string>

#include "graphics/clsWidget.h"

namespace marlquin {

class clsGChkBox final : public clsWidget {
 public:
  uint8_t Checked = 0;  // 0 or 1; the owning screen reads and may set it

  void init(const std::string& iconf, int16_t width, int16_t height);
  void MouseDown() override;
  void Draw();
};

}  // namespace marlquin
