// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameParts.h"

#include <cmath>
#include <numbers>

#include "Lettering.h"
#include "Noise.h"
#include "Paint.h"
#include "Palette.h"

namespace marlquin::assetgen {
namespace {

constexpr uint32_t MaterialSeed = 71;
constexpr int InnerShadowSteps = 6;

Rgba MaterialShade(double x, double y, double height) {
  const double mottling = FractalNoise(x / 70.0, y / 70.0, MaterialSeed, 5);
  const double grain = ValueNoise(x / 2.3, y / 2.3, MaterialSeed + 9);
  // Faint horizontal strata, like layered reef stone.
  const double strata =
      0.5 + 0.5 * std::sin(y / 9.0 + 3.0 * FractalNoise(x / 90.0, y / 40.0, MaterialSeed + 4, 2));
  const Rgba light = ToRgba(palette::PanelLight), dark = ToRgba(palette::PanelDark);
  Rgba colour = Mix(light, dark, SmoothStep(0.0, 1.0, y / height) * 0.6 + 0.4 * (1.0 - mottling));
  colour = Scaled(colour, 0.88 + 0.1 * grain + 0.08 * strata);
  colour.a = 1.0;
  return colour;
}

void DrawInnerShadow(QPainter& painter, const QPainterPath& shape, const QColor& colour) {
  painter.save();
  painter.setClipPath(shape);
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < InnerShadowSteps; ++i) {
    const int alpha = colour.alpha() * (InnerShadowSteps - i) / InnerShadowSteps;
    painter.setPen(QPen(WithAlpha(colour, alpha), 2.0));
    // The shadow falls from the upper left, as the light comes from there.
    painter.drawPath(shape.translated(i * 0.6 + 0.5, i * 0.9 + 0.5));
  }
  painter.restore();
}

QPainterPath Rounded(const QRectF& area, double radius) {
  QPainterPath path;
  path.addRoundedRect(area, radius, radius);
  return path;
}

}  // namespace

QImage PanelMaterial(int width, int height) {
  return ShadedImage(width, height, 1,
                     [&](double x, double y) { return MaterialShade(x, y, height); });
}

void CutOut(QImage& frame, const QPainterPath& shape) {
  QPainter painter(&frame);
  Smooth(painter);
  painter.setCompositionMode(QPainter::CompositionMode_Clear);
  painter.fillPath(shape, Qt::transparent);
}

void DrawOpeningRim(QPainter& painter, const QPainterPath& opening, double width) {
  painter.save();
  Smooth(painter);
  const QRectF bounds = opening.boundingRect();
  QLinearGradient metal(bounds.topLeft(), bounds.bottomRight());
  metal.setColorAt(0.0, palette::RimLight);
  metal.setColorAt(0.45, QColor(60, 150, 170));
  metal.setColorAt(1.0, QColor(20, 70, 95));
  // A wide pen centred on the opening's edge puts half of it outside; the inner half is
  // cut away again by the caller's CutOut, which runs afterwards.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(
      QPen(palette::RimDark, 2 * width + 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(opening);
  painter.setPen(QPen(QBrush(metal), 2 * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(opening);
  painter.setPen(QPen(WithAlpha(Qt::white, 110), 1.2));
  painter.drawPath(opening.translated(-0.5, -0.5));
  painter.restore();
}

void DrawPlaque(QPainter& painter, const QRectF& area, double radius) {
  painter.save();
  Smooth(painter);
  const QPainterPath shape = Rounded(area, radius);
  painter.setPen(QPen(palette::RimDark, 3.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(Rounded(area.adjusted(-1.0, -1.0, 1.0, 1.0), radius + 1.0));
  QLinearGradient face(area.topLeft(), area.bottomLeft());
  face.setColorAt(0.0, palette::PearlShade);
  face.setColorAt(0.3, palette::Pearl);
  face.setColorAt(1.0, QColor(222, 240, 240));
  painter.setPen(QPen(palette::RimLight, 1.2));
  painter.setBrush(face);
  painter.drawPath(shape);
  DrawInnerShadow(painter, shape, QColor(40, 90, 110, 70));
  painter.restore();
}

void DrawRecess(QPainter& painter, const QRectF& area, double radius) {
  painter.save();
  Smooth(painter);
  const QPainterPath shape = Rounded(area, radius);
  QLinearGradient floor(area.topLeft(), area.bottomLeft());
  floor.setColorAt(0.0, QColor(6, 26, 44));
  floor.setColorAt(1.0, QColor(12, 44, 66));
  painter.setPen(Qt::NoPen);
  painter.setBrush(floor);
  painter.drawPath(shape);
  DrawInnerShadow(painter, shape, QColor(0, 8, 16, 150));
  // The lit lower lip of the recess.
  painter.setPen(QPen(WithAlpha(palette::RimLight, 120), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(Rounded(area.adjusted(-0.5, 0.5, 0.5, 1.0), radius));
  painter.setPen(QPen(palette::RimDark, 1.2));
  painter.drawPath(shape);
  painter.restore();
}

void DrawFrostedGlass(QPainter& painter, const QRectF& area, double radius, int opacity) {
  painter.save();
  Smooth(painter);
  const QPainterPath shape = Rounded(area, radius);
  for (int i = 6; i > 0; --i) {
    painter.setPen(QPen(QColor(0, 20, 40, 14), 2.0 * i));
    painter.drawPath(shape.translated(2.0, 4.0));
  }
  QLinearGradient glass(area.topLeft(), area.bottomLeft());
  glass.setColorAt(0.0, QColor(240, 253, 255, opacity));
  glass.setColorAt(1.0, QColor(200, 236, 244, opacity));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glass);
  painter.drawPath(shape);
  // A broad sheen across the upper part.
  QLinearGradient sheen(area.topLeft(), area.topLeft() + QPointF(0, area.height() * 0.45));
  sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
  sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.setBrush(sheen);
  painter.drawPath(Rounded(area.adjusted(3, 3, -3, -area.height() * 0.55), radius - 3.0));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  painter.drawPath(Rounded(area.adjusted(1, 1, -1, -1), radius - 1.0));
  painter.setPen(QPen(WithAlpha(palette::LabelDeep, 170), 1.5));
  painter.drawPath(shape);
  painter.restore();
}

void DrawBolt(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  Smooth(painter);
  painter.setPen(QPen(palette::BrassDark, 1.0));
  QRadialGradient head(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.4);
  head.setColorAt(0.0, palette::BrassLight);
  head.setColorAt(0.5, palette::Brass);
  head.setColorAt(1.0, palette::BrassDark);
  painter.setBrush(head);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DrawBrassRing(QPainter& painter, QPointF centre, double radius, double width) {
  painter.save();
  Smooth(painter);
  const double middle = radius + width / 2.0;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette::BrassDark, width + 2.0));
  painter.drawEllipse(centre, middle, middle);
  QConicalGradient metal(centre, 135.0);
  metal.setColorAt(0.0, palette::BrassLight);
  metal.setColorAt(0.25, palette::Brass);
  metal.setColorAt(0.5, palette::BrassDark);
  metal.setColorAt(0.75, palette::Brass);
  metal.setColorAt(1.0, palette::BrassLight);
  painter.setPen(QPen(QBrush(metal), width));
  painter.drawEllipse(centre, middle, middle);
  painter.setPen(QPen(WithAlpha(palette::BrassLight, 150), 1.0));
  painter.drawEllipse(centre, radius + width - 1.0, radius + width - 1.0);
  painter.restore();
}

void DrawLabel(QPainter& painter, const QString& text, double pixelSize, QPointF centre) {
  painter.save();
  Smooth(painter);
  const QPainterPath lettering = CentredText(text, pixelSize, centre);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 10, 20, 200));
  painter.drawPath(lettering.translated(0.0, 1.5));
  painter.setBrush(palette::LabelLight);
  painter.drawPath(lettering);
  painter.restore();
}

void DrawTitle(QPainter& painter, const QString& text, double pixelSize, QPointF centre) {
  const QPainterPath lettering = CentredText(text, pixelSize, centre);
  const QRectF bounds = lettering.boundingRect();
  const double outline = pixelSize / 9.0;
  const int margin = static_cast<int>(outline * 4);
  QImage title = BlankImage(static_cast<int>(bounds.width()) + 2 * margin,
                            static_cast<int>(bounds.height()) + 2 * margin);
  const QPointF origin = bounds.topLeft() - QPointF(margin, margin);
  {
    QPainter inner(&title);
    Smooth(inner);
    inner.translate(-origin);
    inner.setPen(QPen(palette::RimDark, 2.0 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    inner.setBrush(palette::RimDark);
    inner.drawPath(lettering);
    QLinearGradient sunlit(bounds.topLeft(), bounds.bottomLeft());
    sunlit.setColorAt(0.0, palette::Foam);
    sunlit.setColorAt(0.45, QColor(150, 236, 240));
    sunlit.setColorAt(0.55, QColor(70, 196, 214));
    sunlit.setColorAt(1.0, QColor(24, 128, 170));
    inner.setPen(QPen(QColor(230, 255, 255), outline * 0.35));
    inner.setBrush(sunlit);
    inner.drawPath(lettering);
  }
  painter.save();
  Smooth(painter);
  DrawWithShadow(painter, title, origin.toPoint(), 0, static_cast<int>(outline * 1.5),
                 static_cast<int>(outline * 1.5), QColor(0, 12, 30, 170));
  painter.restore();
}

void DrawBubble(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  Smooth(painter);
  QRadialGradient body(centre, radius);
  body.setColorAt(0.0, QColor(200, 245, 255, 20));
  body.setColorAt(0.8, QColor(200, 245, 255, 60));
  body.setColorAt(1.0, QColor(230, 252, 255, 170));
  painter.setPen(Qt::NoPen);
  painter.setBrush(body);
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(255, 255, 255, 210));
  painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.38), radius * 0.28,
                      radius * 0.22);
  painter.restore();
}

}  // namespace marlquin::assetgen
