// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/clsGChkBox.h"

#include "graphics/HandCursor.h"

namespace marlquin {

void clsGChkBox::init(const std::string& iconf, int16_t width, int16_t height) {
  FreeImage(image);
  SetFace(width, height, LoadImageFile(iconf));
}

void clsGChkBox::MouseDown() {
  clsWidget::MouseDown();
  if (hovered == 1) Checked = Checked == 0 ? 1 : 0;
}

void clsGChkBox::Draw() {
  DrawFace(pressed == 1 || Checked != 0 ? 1 : 0);
  if (hovered == 1) DrawHand();
}

}  // namespace marlquin
