// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/DrawCommand.h"

#include <cmath>

namespace marlquin {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

// A gradient straight down gives each pixel the colour of its row, however the row is cut.
bool ChangesOnlyDownwards(const QBrush& brush) {
  const QGradient* gradient = brush.gradient();
  if (!gradient || gradient->type() != QGradient::LinearGradient) return false;
  const auto* linear = static_cast<const QLinearGradient*>(gradient);
  return linear->start().x() == linear->finalStop().x() && brush.transform().isIdentity();
}

QRect Placed(QPoint at, const QRect& source) { return QRect(at, source.size()); }

QRect Reach(const DrawCall& call) {
  return std::visit(
      Overloaded{
          [](const PlainBlit& c) { return Placed(c.at, c.source); },
          [](const KeyedBlit& c) { return Placed(c.at, c.source); },
          [](const FadedBlit& c) { return Placed(c.at, c.source); },
          [](const ScaledBlit& c) { return c.target; },
          [](const MappedBlit& c) {
            return c.map.mapRect(QRectF(c.picture->pixels.rect())).toAlignedRect();
          },
          [](const TextDraw& c) { return c.block->ink.translated(c.at).toAlignedRect(); },
          [](const RectFill& c) { return c.rect; },
          [](const LineDraw& c) {
            // Pixels whose middles lie within half the width of the line, one more for the
            // rounding of those middles.
            const int spread = static_cast<int>(std::ceil(c.pen.widthF() / 2)) + 1;
            const QRectF ends = QRectF(c.line.p1(), c.line.p2()).normalized();
            return ends.toAlignedRect().adjusted(-spread, -spread, spread, spread);
          },
      },
      call);
}

// Draws with the painter held inside within; the painter is left unclipped.
template <class F>
void Clipped(QPainter& painter, const QRect& within, F draw) {
  painter.setClipRect(within);
  draw();
  painter.setClipping(false);
}

// The unscaled part of the source that lands inside within, and where it lands.
struct Landing {
  QRect source;
  QPoint at;
};

Landing Land(QPoint at, const QRect& source, const QRect& within) {
  const QPoint offset = at - source.topLeft();
  const QRect shown = source.intersected(within.translated(-offset));
  return {shown, shown.topLeft() + offset};
}

}  // namespace

DrawCommand::DrawCommand(DrawCall call, const QRect& buffer)
    : call_(std::move(call)), bounds_(Reach(call_).intersected(buffer)) {}

bool DrawCommand::HidesAllOf(const QRect& area) const {
  return (QRegion(area) - OpaqueArea()).isEmpty();
}

// Each kind of call answers for itself, so that a kind left out does not compile; where in
// doubt, with the answer that paints more (no opaque area, not cut).

DrawCommand::Cut DrawCommand::Cuts() const {
  return std::visit(
      Overloaded{
          // Each pixel comes out the same however the call is cut.
          [](const PlainBlit&) { return Cut::Anywhere; },
          [](const KeyedBlit&) { return Cut::Anywhere; },
          [](const FadedBlit&) { return Cut::Anywhere; },
          [](const TextDraw&) { return Cut::Anywhere; },
          // Smoothing gives a row cut short slightly different pixels.
          [](const ScaledBlit&) { return Cut::BetweenRows; },
          [](const MappedBlit&) { return Cut::BetweenRows; },
          [](const RectFill& c) {
            return c.brush.style() == Qt::SolidPattern || ChangesOnlyDownwards(c.brush)
                       ? Cut::Anywhere
                       : Cut::BetweenRows;
          },
          // The painter draws a line another way when it crosses the edge of the clip.
          [](const LineDraw&) { return Cut::Nowhere; },
      },
      call_);
}

QRegion DrawCommand::OpaqueArea() const {
  return std::visit(
      Overloaded{
          [](const PlainBlit& c) {
            const Picture& picture = *c.picture;
            if (picture.copied.empty()) return QRegion();
            const QPoint offset = c.at - c.source.topLeft();
            return c.source == picture.pixels.rect()
                       ? picture.copiedArea.translated(offset)
                       : picture.copiedArea.intersected(c.source).translated(offset);
          },
          [](const RectFill& c) { return c.brush.isOpaque() ? QRegion(c.rect) : QRegion(); },
          // Keys, opacity and smoothing can leave see-through pixels; text and lines are thin.
          [](const KeyedBlit&) { return QRegion(); },
          [](const FadedBlit&) { return QRegion(); },
          [](const ScaledBlit&) { return QRegion(); },
          [](const MappedBlit&) { return QRegion(); },
          [](const TextDraw&) { return QRegion(); },
          [](const LineDraw&) { return QRegion(); },
      },
      call_);
}

void DrawCommand::Paint(QPainter& painter, const QRegion& area) const {
  if (Cuts() == Cut::Nowhere) {
    if (area.intersects(bounds_)) Draw(painter, bounds_);
    return;
  }
  for (const QRect& rect : area) {
    const QRect part = rect.intersected(bounds_);
    if (!part.isEmpty()) Draw(painter, part);
  }
}

void DrawCommand::Draw(QPainter& painter, const QRect& within) const {
  std::visit(
      Overloaded{
          [&](const PlainBlit& c) { Blit(painter, *c.picture, c.at, c.source, within); },
          [&](const KeyedBlit& c) {
            const Landing part = Land(c.at, c.source, within);
            if (!part.source.isEmpty()) {
              painter.drawImage(part.at, Tinted(*c.picture, part.source, 1.0f, c.key));
            }
          },
          [&](const FadedBlit& c) {
            const Landing part = Land(c.at, c.source, within);
            if (!part.source.isEmpty()) {
              painter.drawImage(part.at, Tinted(*c.picture, part.source, c.alpha, c.key));
            }
          },
          [&](const ScaledBlit& c) {
            const QImage part = c.alpha != 1.0f ? Tinted(*c.picture, c.source, c.alpha, NoColorKey)
                                                : ForSmoothing(*c.picture, c.source);
            Clipped(painter, within, [&] {
              painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
              painter.drawImage(QRectF(c.target), part, QRectF(part.rect()));
              painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            });
          },
          [&](const MappedBlit& c) {
            Clipped(painter, within, [&] {
              painter.setTransform(c.map);
              painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
              painter.drawImage(QPointF(0, 0), ForSmoothing(*c.picture, c.picture->pixels.rect()));
              painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
              painter.resetTransform();
            });
          },
          [&](const TextDraw& c) {
            Clipped(painter, within, [&] {
              painter.setPen(c.color);
              const QTextLayout& layout = c.block->layout;
              for (int i = 0; i < layout.lineCount(); ++i) layout.lineAt(i).draw(&painter, c.at);
            });
          },
          [&](const RectFill& c) { painter.fillRect(c.rect.intersected(within), c.brush); },
          [&](const LineDraw& c) {
            Clipped(painter, within, [&] {
              painter.setPen(c.pen);
              painter.drawLine(c.line);
            });
          },
      },
      call_);
}

}  // namespace marlquin
