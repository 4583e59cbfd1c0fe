// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/Shapes.h"

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "graphics/DrawingLayerInternal.h"

namespace marlquin {
namespace {

std::vector<std::optional<QBrush>>& Brushes() {
  static std::vector<std::optional<QBrush>> brushes;
  return brushes;
}

QColor Argb(uint32_t argb) { return QColor::fromRgba(argb); }

// A deleted brush's number is given out again: the play screen replaces its time bar's
// brush every tenth tick, and the table would otherwise grow for as long as a game runs.
BrushHandle Keep(QBrush brush) {
  auto& brushes = Brushes();
  auto slot = std::find(brushes.begin(), brushes.end(), std::nullopt);
  if (slot == brushes.end()) slot = brushes.emplace(slot);
  *slot = std::move(brush);
  return static_cast<BrushHandle>(slot - brushes.begin() + 1);
}

}  // namespace

void StartShapes() { Brushes().clear(); }

uint32_t MakeColor(int a1, int a2, int a3, int a4) {
  return (uint32_t(a1 & 0xFF) << 24) | (uint32_t(a4 & 0xFF) << 16) | (uint32_t(a3 & 0xFF) << 8) |
         uint32_t(a2 & 0xFF);
}

BrushHandle MakeBrush(int p1, int p2, int p3, int p4) {
  return Keep(QBrush(QColor(p3 & 0xFF, p2 & 0xFF, p1 & 0xFF, p4 & 0xFF)));
}

BrushHandle MakeGradientBrush(float x1, float y1, float x2, float y2, uint32_t color1,
                              uint32_t color2) {
  QLinearGradient gradient(QPointF(x1, y1), QPointF(x2, y2));
  gradient.setColorAt(0, Argb(color1));
  gradient.setColorAt(1, Argb(color2));
  gradient.setSpread(QGradient::ReflectSpread);
  return Keep(QBrush(gradient));
}

void DeleteBrush(BrushHandle brush) {
  auto& brushes = Brushes();
  if (brush >= 1 && static_cast<size_t>(brush) <= brushes.size()) {
    brushes[static_cast<size_t>(brush) - 1].reset();
  }
}

void FillRect(int32_t x, int32_t y, int16_t w, int16_t h, BrushHandle brush) {
  auto& brushes = Brushes();
  if (w <= 0 || h <= 0 || brush < 1 || static_cast<size_t>(brush) > brushes.size()) return;
  const auto& slot = brushes[static_cast<size_t>(brush) - 1];
  if (slot) RecordCall(RectFill{QRect(x, y, w, h), *slot});
}

void DrawLine(uint32_t color, float width, float x1, float y1, float x2, float y2) {
  RecordCall(LineDraw{QPen(Argb(color), width, Qt::SolidLine, Qt::FlatCap),
                      QLineF(QPointF(x1, y1), QPointF(x2, y2))});
}

}  // namespace marlquin
