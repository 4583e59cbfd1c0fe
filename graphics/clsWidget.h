// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the text button and the image check box share: a place, a sheet of four faces
// (column: pointer away / over; row: up / down), hover from the last mouse move, a press
// and release, and the hand cursor while the pointer is over it.
#pragma once

#include <cstdint>

#include "graphics/GDIPLUSLib.h"

namespace marlquin {

class clsWidget {
 public:
  clsWidget();
  clsWidget(const clsWidget&) = delete;
  clsWidget& operator=(const clsWidget&) = delete;
  virtual ~clsWidget();

  void SetLocation(int16_t left, int16_t top);
  void MouseMove(int16_t x, int16_t y);
  virtual void MouseDown();
  // True when the pointer is over the widget at the release: a click, wherever the press was.
  bool MouseUp();

  bool Hovered() const { return hovered != 0; }
  bool Pressed() const { return pressed != 0; }
  int32_t OwnerId() const { return ownerId; }

 protected:
  void SetFace(int16_t width, int16_t height, ImageHandle sheet);
  // Copies the face of the given row, unscaled, for the current hover column.
  void DrawFace(int16_t row);

  int16_t Wid = 0;
  int16_t hei = 0;
  int16_t m_Left = 0;
  int16_t m_top = 0;
  Rect32 bounds;
  Rect32 source;
  uint8_t hovered = 0;
  uint8_t pressed = 0;
  ImageHandle image = 0;

 private:
  int32_t ownerId = 0;
};

}  // namespace marlquin
