// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BallPictures.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

#include "Paint.h"
#include "Palette.h"

namespace marlquin::assetgen {
namespace {

constexpr QPointF BallCentre{15.0, 15.0};
constexpr double BallRadius = 14.6;
constexpr double SymbolSize = 12.5;

enum class Symbol { Heart, Star, Triangle, Waves, Cross, Ring };

struct BallStyle {
  QColor body;
  Symbol symbol;
  QColor mark;      // fill of the symbol
  QColor markEdge;  // its outline, for contrast on either side
};

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turn) {
  QPainterPath path;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = turn + i * std::numbers::pi / points;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF p = centre + QPointF(r * std::sin(angle), -r * std::cos(angle));
    i == 0 ? path.moveTo(p) : path.lineTo(p);
  }
  path.closeSubpath();
  return path;
}

QPainterPath HeartPath(QPointF c, double s) {
  QPainterPath path;
  const double h = s / 2.0;
  path.moveTo(c + QPointF(0, h * 0.95));
  path.cubicTo(c + QPointF(-h * 1.25, h * 0.05), c + QPointF(-h * 1.0, -h * 1.05),
               c + QPointF(0, -h * 0.42));
  path.cubicTo(c + QPointF(h * 1.0, -h * 1.05), c + QPointF(h * 1.25, h * 0.05),
               c + QPointF(0, h * 0.95));
  return path;
}

// Two rolling waves, one above the other.
QPainterPath WavesPath(QPointF c, double s) {
  const double h = s / 2.0;
  QPainterPath waves;
  for (const double dy : {-0.42 * h, 0.42 * h}) {
    waves.moveTo(c + QPointF(-h, dy + 0.15 * h));
    waves.cubicTo(c + QPointF(-0.5 * h, dy - 0.75 * h), c + QPointF(0.0, dy + 0.75 * h),
                  c + QPointF(0.45 * h, dy - 0.1 * h));
    waves.quadTo(c + QPointF(0.75 * h, dy - 0.45 * h), c + QPointF(h, dy - 0.1 * h));
  }
  QPainterPathStroker stroke;
  stroke.setWidth(s * 0.24);
  stroke.setCapStyle(Qt::RoundCap);
  stroke.setJoinStyle(Qt::RoundJoin);
  return stroke.createStroke(waves).simplified();
}

QPainterPath SymbolPath(Symbol symbol, QPointF c, double s) {
  const double h = s / 2.0;
  QPainterPath path;
  switch (symbol) {
    case Symbol::Heart:
      return HeartPath(c + QPointF(0, 0.4), s * 1.05);
    case Symbol::Star:
      return StarPath(c + QPointF(0, 0.6), h * 1.15, h * 0.5, 5, 0.0);
    case Symbol::Triangle:
      path.moveTo(c + QPointF(0, -h * 0.95));
      path.lineTo(c + QPointF(h * 0.98, h * 0.78));
      path.lineTo(c + QPointF(-h * 0.98, h * 0.78));
      path.closeSubpath();
      return path;
    case Symbol::Waves:
      return WavesPath(c, s);
    case Symbol::Cross: {
      const double arm = h * 0.36;
      path.setFillRule(Qt::WindingFill);
      path.addRoundedRect(QRectF(c.x() - arm, c.y() - h * 0.95, 2 * arm, 1.9 * h), 1.2, 1.2);
      path.addRoundedRect(QRectF(c.x() - h * 0.95, c.y() - arm, 1.9 * h, 2 * arm), 1.2, 1.2);
      return path.simplified();
    }
    case Symbol::Ring:
      path.addEllipse(c, h * 0.9, h * 0.9);
      path.addEllipse(c, h * 0.42, h * 0.42);
      return path;
  }
  return path;
}

QImage ColourBall(const BallStyle& style) {
  QImage ball = OrbImage(BallSize, BallSize, BallCentre, BallRadius, style.body);
  QPainter painter(&ball);
  Smooth(painter);
  const QPainterPath mark = SymbolPath(style.symbol, BallCentre + QPointF(0.3, 0.6), SymbolSize);
  painter.setPen(QPen(style.markEdge, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(style.mark);
  painter.drawPath(mark);
  // The gloss lies over the symbol, so the symbol looks set inside the glass.
  DrawGloss(painter, BallCentre, BallRadius);
  return ball;
}

// A naval sea mine: a dark sphere with horned spikes and a glowing red lamp.
QImage BombBall() {
  constexpr int Spikes = 8;
  constexpr double BodyRadius = 10.6;
  const QColor body{40, 52, 70};
  QImage ball = BlankImage(BallSize, BallSize);
  QPainter painter(&ball);
  Smooth(painter);
  for (int i = 0; i < Spikes; ++i) {
    const double angle = (i + 0.5) * 2.0 * std::numbers::pi / Spikes;
    const QPointF direction(std::sin(angle), -std::cos(angle));
    const QPointF base = BallCentre + direction * (BodyRadius - 1.0);
    const QPointF tip = BallCentre + direction * 14.2;
    painter.setPen(QPen(QColor(26, 32, 44), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, tip);
    painter.setPen(QPen(QColor(150, 170, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base + direction * 2.5, tip);
  }
  painter.drawImage(0, 0, OrbImage(BallSize, BallSize, BallCentre, BodyRadius, body));
  // A rivet band around the middle.
  painter.setPen(QPen(QColor(90, 110, 130, 200), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(
      QRectF(BallCentre.x() - BodyRadius + 0.5, BallCentre.y() - 4.0, 2 * BodyRadius - 1.0, 9.0),
      180 * 16, 180 * 16);
  QRadialGradient lamp(BallCentre + QPointF(0, 0.5), 4.5);
  lamp.setColorAt(0.0, QColor(255, 236, 200));
  lamp.setColorAt(0.35, QColor(255, 70, 40));
  lamp.setColorAt(1.0, QColor(255, 40, 20, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(lamp);
  painter.drawEllipse(BallCentre + QPointF(0, 0.5), 4.5, 4.5);
  DrawGloss(painter, BallCentre, BodyRadius, 0.7);
  return ball;
}

// The aiming guide: a thin reticle ring with four ticks. Its middle stays clear, so the
// waiting ball shows through, and it is small enough that marks 16 px apart stay apart.
QImage GuideMark() {
  constexpr double RingRadius = 6.0;
  QImage mark = BlankImage(BallSize, BallSize);
  QPainter painter(&mark);
  Smooth(painter);
  QRadialGradient glow(BallCentre, RingRadius + 4.0);
  glow.setColorAt(0.0, QColor(180, 250, 255, 0));
  glow.setColorAt(0.55, QColor(180, 250, 255, 0));
  glow.setColorAt(0.75, QColor(160, 240, 255, 90));
  glow.setColorAt(1.0, QColor(160, 240, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(BallCentre, RingRadius + 4.0, RingRadius + 4.0);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(10, 40, 60, 100), 2.8));
  painter.drawEllipse(BallCentre, RingRadius, RingRadius);
  painter.setPen(QPen(QColor(235, 255, 255, 225), 1.4));
  painter.drawEllipse(BallCentre, RingRadius, RingRadius);
  for (int i = 0; i < 4; ++i) {
    const double angle = i * std::numbers::pi / 2.0;
    const QPointF direction(std::cos(angle), std::sin(angle));
    painter.setPen(QPen(QColor(10, 40, 60, 100), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(BallCentre + direction * (RingRadius + 1.5), BallCentre + direction * 9.5);
    painter.setPen(QPen(QColor(235, 255, 255, 225), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(BallCentre + direction * (RingRadius + 1.5), BallCentre + direction * 9.5);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 200));
  painter.drawEllipse(BallCentre, 1.2, 1.2);
  return mark;
}

// The spare picture: a mother-of-pearl ball whose colour runs around its face.
QImage IridescentBall() {
  QImage ball = OrbImage(BallSize, BallSize, BallCentre, BallRadius, QColor(235, 235, 250));
  QPainter painter(&ball);
  Smooth(painter);
  painter.setCompositionMode(QPainter::CompositionMode_Multiply);
  QConicalGradient sheen(BallCentre, 30.0);
  const QColor hues[] = {{255, 170, 200}, {255, 230, 150}, {160, 255, 200},
                         {150, 200, 255}, {220, 170, 255}, {255, 170, 200}};
  for (int i = 0; i < 6; ++i) sheen.setColorAt(i / 5.0, hues[i]);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawEllipse(BallCentre, BallRadius, BallRadius);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  DrawGloss(painter, BallCentre, BallRadius);
  return ball;
}

const BallStyle ColourStyles[] = {
    {palette::BallRed, Symbol::Heart, QColor(255, 246, 240), QColor(110, 10, 20, 200)},
    {palette::BallYellow, Symbol::Star, QColor(150, 84, 0), QColor(255, 250, 210, 220)},
    {palette::BallGreen, Symbol::Triangle, QColor(244, 255, 240), QColor(10, 80, 30, 200)},
    {palette::BallBlue, Symbol::Waves, QColor(240, 248, 255), QColor(10, 30, 110, 200)},
    {palette::BallMagenta, Symbol::Cross, QColor(255, 240, 252), QColor(90, 10, 80, 200)},
    {palette::BallPearl, Symbol::Ring, QColor(108, 92, 150), QColor(255, 255, 255, 220)},
};

}  // namespace

std::vector<QImage> BallPictures() {
  std::vector<QImage> balls;
  for (const BallStyle& style : ColourStyles) balls.push_back(ColourBall(style));
  balls.push_back(BombBall());
  balls.push_back(GuideMark());
  balls.push_back(IridescentBall());
  return balls;
}

QImage WindowIcon(int size) {
  // Laid out on a 64-pixel grid and scaled, so every size shows the same picture.
  const double scale = size / 64.0;
  const double radius = 15.5 * scale;
  const struct {
    QPointF centre;
    int style;
  } cluster[] = {{{20.0, 43.0}, 0}, {{44.0, 43.0}, 3}, {{32.0, 22.0}, 1}};
  QImage icon = BlankImage(size, size);
  QPainter painter(&icon);
  Smooth(painter);
  for (const auto& ball : cluster) {
    const BallStyle& style = ColourStyles[ball.style];
    const QPointF centre = ball.centre * scale;
    painter.drawImage(0, 0, OrbImage(size, size, centre, radius, style.body));
    painter.setPen(QPen(style.markEdge, 1.8 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(style.mark);
    painter.drawPath(SymbolPath(style.symbol, centre + QPointF(0.3, 0.8) * scale, radius * 0.85));
    DrawGloss(painter, centre, radius);
  }
  return icon;
}

}  // namespace marlquin::assetgen
