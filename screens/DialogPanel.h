// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The box both in-game dialogs draw at (235, 210): a white vertical gradient with a
// pale border that opens over three frames before it reaches its full size.
#pragma once

#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class DialogPanel {
 public:
  static constexpr int32_t Left = 235;
  static constexpr int32_t Top = 210;
  static constexpr uint32_t BorderColor = 0x80F0FFF0;

  DialogPanel() = default;
  DialogPanel(const DialogPanel&) = delete;
  DialogPanel& operator=(const DialogPanel&) = delete;
  ~DialogPanel();

  // Starts the opening again with a fresh gradient.
  void Open();
  // Draws this frame's box, advances the opening, and tells whether the contents show now.
  bool DrawBox(int16_t fullWidth, int16_t fullHeight);

 private:
  BrushHandle panelBrush_ = 0;
  uint8_t growStep_ = 0;
};

}  // namespace marlquin
