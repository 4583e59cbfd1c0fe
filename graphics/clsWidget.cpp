// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/clsWidget.h"

#include <set>

#include "core/Random.h"
#include "core/Rounding.h"
#include "graphics/HandCursor.h"
#include "platform/Platform.h"

namespace marlquin {
namespace {

// Ids of the widgets alive now: two widgets sharing an id would release each other's hand.
// Never destroyed: widgets owned by other static objects may outlive any static set.
std::set<int32_t>& IdsInUse() {
  static auto* ids = new std::set<int32_t>;
  return *ids;
}

int32_t NewOwnerId() {
  int32_t id = RoundToInt32(platform().SecondsSinceMidnight() + 1000 * Rnd());
  while (id == 0 || IdsInUse().count(id) != 0) ++id;
  IdsInUse().insert(id);
  return id;
}

}  // namespace

clsWidget::clsWidget() : ownerId(NewOwnerId()) {}

clsWidget::~clsWidget() { IdsInUse().erase(ownerId); }

void clsWidget::SetFace(int16_t width, int16_t height, ImageHandle sheet) {
  Wid = width;
  hei = height;
  image = sheet;
  source.top = 0;
  source.bottom = height;
}

void clsWidget::SetLocation(int16_t left, int16_t top) {
  m_Left = left;
  m_top = top;
  bounds = {left, top, left + Wid, top + hei};
}

void clsWidget::MouseMove(int16_t x, int16_t y) {
  if (PointInRect(x, y, bounds)) {
    SetHand(ownerId, 0, x, y);
    hovered = 1;
  } else {
    hovered = 0;
    ReleaseHand(ownerId);
  }
}

void clsWidget::MouseDown() {
  if (hovered == 1) pressed = 1;
}

bool clsWidget::MouseUp() {
  pressed = 0;
  return hovered == 1;
}

void clsWidget::DrawFace(int16_t row) {
  source.left = Saturate16(int32_t{hovered} * Wid);
  source.right = source.left + Wid;
  source.top = Saturate16(int32_t{row} * hei);
  source.bottom = source.top + hei;
  DrawImageRect(image, bounds, source.left, source.top, 1.0f, NoColorKey);
}

}  // namespace marlquin
