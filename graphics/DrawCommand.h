// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One call of the drawing layer, kept until the frame is shown: what decides its pixels
// (compared with the same call a frame earlier), the area it can touch, and how to draw it
// within part of the back buffer. A new kind of call is a struct here, compared member by
// member, added to DrawCall; DrawCommand.cpp does not compile until the kind gives its
// reach, its opaque area, where it may be cut and how it draws.
#pragma once

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QPen>
#include <QRect>
#include <QRegion>
#include <QTextLayout>
#include <QTransform>
#include <memory>
#include <variant>

#include "graphics/Picture.h"

namespace marlquin {

// Pictures are compared by identity: a loaded picture never changes.
using PictureRef = std::shared_ptr<Picture>;

struct PlainBlit {
  PictureRef picture;
  QPoint at;
  QRect source;
  bool operator==(const PlainBlit&) const = default;
};

struct KeyedBlit {
  PictureRef picture;
  QPoint at;
  QRect source;
  uint32_t key;
  bool operator==(const KeyedBlit&) const = default;
};

struct FadedBlit {
  PictureRef picture;
  QPoint at;
  QRect source;
  float alpha;
  uint32_t key;
  bool operator==(const FadedBlit&) const = default;
};

struct ScaledBlit {
  PictureRef picture;
  QRect target;
  QRect source;
  float alpha;
  bool operator==(const ScaledBlit&) const = default;
};

struct MappedBlit {
  PictureRef picture;
  QTransform map;
  bool operator==(const MappedBlit&) const = default;
};

// Lines of text as laid out once for a font, and where their ink can lie, from the
// layout's origin.
struct TextBlock {
  QTextLayout layout;
  QRectF ink;
};

struct TextDraw {
  std::shared_ptr<const TextBlock> block;  // one block per font and text while kept
  QColor color;
  QPointF at;
  bool operator==(const TextDraw&) const = default;
};

struct RectFill {
  QRect rect;
  QBrush brush;
  bool operator==(const RectFill&) const = default;
};

struct LineDraw {
  QPen pen;
  QLineF line;
  bool operator==(const LineDraw&) const = default;
};

using DrawCall = std::variant<PlainBlit, KeyedBlit, FadedBlit, ScaledBlit, MappedBlit, TextDraw,
                              RectFill, LineDraw>;

class DrawCommand {
 public:
  // buffer: the back buffer's rectangle, which bounds every command.
  DrawCommand(DrawCall call, const QRect& buffer);

  // Every pixel the call can change lies in here.
  const QRect& Bounds() const { return bounds_; }
  // Whatever was beneath, every pixel of area comes out the same.
  bool HidesAllOf(const QRect& area) const;
  // The pixels the call makes opaque whatever was beneath (some may lie off the buffer).
  QRegion OpaqueArea() const;
  // Where the call may be cut when only part of it is painted again. Some calls come out a
  // little differently when cut: smoothed pictures (scaled or turned) and gradients when
  // their rows are cut short, lines (the painter draws them another way when they cross
  // the edge of the clip) when cut at all.
  enum class Cut { Anywhere, BetweenRows, Nowhere };
  Cut Cuts() const;
  // The call's own pixels, only those inside area, which holds whatever it must paint
  // together with each part it reaches.
  void Paint(QPainter& painter, const QRegion& area) const;

  bool operator==(const DrawCommand& other) const { return call_ == other.call_; }

 private:
  void Draw(QPainter& painter, const QRect& within) const;

  DrawCall call_;
  QRect bounds_;
};

}  // namespace marlquin
