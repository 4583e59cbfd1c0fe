// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CreaturePictures.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Paint.h"
#include "Random.h"

namespace marlquin::assetgen {
namespace {

constexpr uint64_t CreatureSeed = 0xF15;

// A strand hanging from `from`, waving sideways as it falls, drawn in tapering pieces.
void DrawStrand(QPainter& painter, QPointF from, double length, double wave, double phase,
                double width, const QColor& colour) {
  constexpr int Pieces = 16;
  QPointF previous = from;
  for (int i = 1; i <= Pieces; ++i) {
    const double t = static_cast<double>(i) / Pieces;
    const QPointF next = from + QPointF(wave * std::sin(phase + t * 5.0) * t, length * t);
    const int alpha = static_cast<int>(colour.alpha() * (1.0 - 0.75 * t));
    painter.setPen(
        QPen(WithAlpha(colour, alpha), width * (1.0 - 0.6 * t), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(previous, next);
    previous = next;
  }
}

void DrawEye(QPainter& painter, QPointF centre, double radius) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 250));
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(12, 16, 30));
  painter.drawEllipse(centre + QPointF(-radius * 0.15, 0.0), radius * 0.62, radius * 0.62);
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.3), radius * 0.25,
                      radius * 0.25);
}

// A creature with a soft glow of its own colour around it, as seen through water.
QImage WithGlow(const QImage& creature, const QColor& glow) {
  QImage result = BlankImage(creature.width(), creature.height());
  QPainter painter(&result);
  painter.drawImage(0, 0, SoftSilhouette(creature, glow, 2));
  painter.drawImage(0, 0, creature);
  return result;
}

QPainterPath JellyBell(QPointF top, double halfWidth, double height, int scallops) {
  QPainterPath bell;
  const double rim = top.y() + height;
  bell.moveTo(top.x() - halfWidth, rim);
  bell.cubicTo(top.x() - halfWidth, top.y() - height * 0.12, top.x() + halfWidth,
               top.y() - height * 0.12, top.x() + halfWidth, rim);
  const double step = 2.0 * halfWidth / scallops;
  for (int i = 0; i < scallops; ++i) {
    const double x = top.x() + halfWidth - i * step;
    bell.quadTo(x - step / 2.0, rim + 4.5, x - step, rim);
  }
  bell.closeSubpath();
  return bell;
}

QPainterPath FishBody() {
  // Facing left, centred on the origin.
  QPainterPath body;
  body.moveTo(-22.0, 1.0);
  body.cubicTo(-20.0, -11.0, 4.0, -15.0, 16.0, -4.0);
  body.lineTo(16.0, 4.0);
  body.cubicTo(4.0, 15.0, -20.0, 12.0, -22.0, 1.0);
  return body;
}

QPainterPath FishFin(std::initializer_list<QPointF> points) {
  QPainterPath fin;
  auto it = points.begin();
  fin.moveTo(*it++);
  while (it + 1 < points.end()) {
    const QPointF control = *it++;
    fin.quadTo(control, *it++);
  }
  fin.closeSubpath();
  return fin;
}

const QColor SeahorseInk{90, 48, 10};

// Facing left, snout at the upper left, the belly curving down into the tail.
QPainterPath SeahorseBody() {
  QPainterPath body;
  body.moveTo(5.0, 17.0);  // tip of the snout
  body.lineTo(19.0, 12.0);
  body.cubicTo(20.0, 4.0, 26.0, 1.0, 31.0, 2.0);     // forehead to the crown
  body.cubicTo(38.0, 3.0, 42.0, 9.0, 40.0, 17.0);    // back of the head
  body.cubicTo(39.0, 22.0, 44.0, 28.0, 43.0, 38.0);  // the back
  body.cubicTo(42.0, 48.0, 38.0, 54.0, 32.0, 58.0);
  body.lineTo(27.0, 53.0);
  body.cubicTo(20.0, 49.0, 17.0, 40.0, 20.0, 32.0);  // the belly
  body.cubicTo(22.0, 27.0, 26.0, 24.0, 24.0, 20.0);  // the throat
  body.lineTo(6.0, 21.0);
  body.closeSubpath();
  return body;
}

// The translucent fin on its back, with its rays.
void DrawSeahorseFin(QPainter& painter) {
  QPainterPath fin;
  fin.moveTo(38.0, 32.0);
  fin.quadTo(52.0, 34.0, 47.0, 48.0);
  fin.lineTo(38.0, 46.0);
  fin.closeSubpath();
  painter.setPen(QPen(QColor(190, 120, 40, 220), 1.0));
  painter.setBrush(QColor(255, 214, 130, 210));
  painter.drawPath(fin);
  for (int i = 0; i < 4; ++i) {
    painter.drawLine(QPointF(38.5, 34.0 + i * 3.5),
                     QPointF(47.5 + (i == 0 ? 2 : 0), 36.0 + i * 3.5));
  }
}

// The curled tail: a spiral drawn in tapering pieces, outline first.
void DrawSeahorseTail(QPainter& painter) {
  constexpr int Pieces = 40;
  const QPointF curl{34.0, 64.0};
  QPointF previous{31.0, 52.0};
  for (int i = 1; i <= Pieces; ++i) {
    const double t = static_cast<double>(i) / Pieces;
    const double angle = std::numbers::pi * (0.9 + 2.2 * t);
    const double radius = 11.0 * (1.0 - 0.72 * t);
    const QPointF next =
        curl + QPointF(-std::cos(angle) * radius, -std::sin(angle) * radius - (1.0 - t) * 3.0);
    const double width = 7.5 * (1.0 - 0.75 * t);
    painter.setPen(QPen(SeahorseInk, width + 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(previous, next);
    painter.setPen(QPen(QColor(242, 170, 60), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(previous, next);
    previous = next;
  }
}

}  // namespace

QImage Jellyfish() {
  constexpr int Width = 72, Height = 75;
  const QPointF top{36.0, 3.0};
  QImage jelly = BlankImage(Width, Height);
  {
    QPainter painter(&jelly);
    Smooth(painter);
    Random random(CreatureSeed);
    for (int i = 0; i < 9; ++i) {
      const double x = 11.0 + i * 6.3;
      DrawStrand(painter, {x, 31.0}, random.Range(30.0, 42.0), random.Range(2.0, 5.0),
                 random.Range(0.0, 6.28), 1.6, QColor(255, 170, 230, 190));
    }
    for (int i = 0; i < 3; ++i) {
      DrawStrand(painter, {28.0 + i * 8.0, 30.0}, random.Range(24.0, 32.0), 4.0, i * 2.0, 4.5,
                 QColor(250, 130, 210, 200));
    }
    const QPainterPath bell = JellyBell(top, 28.0, 27.0, 9);
    QRadialGradient flesh(top + QPointF(-5.0, 9.0), 32.0);
    flesh.setColorAt(0.0, QColor(255, 226, 246, 235));
    flesh.setColorAt(0.55, QColor(246, 150, 222, 200));
    flesh.setColorAt(1.0, QColor(200, 90, 190, 190));
    painter.setPen(QPen(QColor(255, 210, 245, 220), 1.2));
    painter.setBrush(flesh);
    painter.drawPath(bell);
    // The four-leafed pattern seen through the bell.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 70, 170, 110));
    for (int i = 0; i < 4; ++i) {
      painter.drawEllipse(QPointF(24.0 + i * 8.0, 22.0 - (i == 1 || i == 2 ? 3.0 : 0.0)), 3.6, 3.0);
    }
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(top + QPointF(-11.0, 9.0), 7.0, 4.0);
  }
  return WithGlow(jelly, QColor(255, 150, 230, 150));
}

QImage ReefFish() {
  constexpr int Width = 63, Height = 55;
  QImage fish = BlankImage(Width, Height);
  {
    QPainter painter(&fish);
    Smooth(painter);
    painter.translate(33.0, 26.0);
    painter.rotate(-32.0);
    const QColor ink{20, 14, 20};
    const QColor orange{255, 132, 26};
    painter.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(orange.darker(110));
    painter.drawPath(FishFin({{14.0, -3.0},
                              {22.0, -14.0},
                              {28.0, -10.0},
                              {25.0, 0.0},
                              {28.0, 10.0},
                              {22.0, 14.0},
                              {14.0, 3.0}}));
    painter.drawPath(FishFin({{-10.0, -10.0}, {-2.0, -22.0}, {10.0, -8.0}}));
    painter.drawPath(FishFin({{-4.0, 9.0}, {2.0, 19.0}, {8.0, 8.0}}));
    const QPainterPath body = FishBody();
    QLinearGradient skin(0.0, -14.0, 0.0, 14.0);
    skin.setColorAt(0.0, orange.lighter(120));
    skin.setColorAt(0.6, orange);
    skin.setColorAt(1.0, QColor(214, 80, 10));
    painter.setBrush(skin);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    for (const double x : {-9.5, 2.5, 13.0}) {
      painter.setPen(QPen(ink, 1.2));
      painter.setBrush(QColor(255, 252, 246));
      painter.drawRoundedRect(QRectF(x - 3.0, -16.0, 6.0, 32.0), 3.0, 3.0);
    }
    painter.restore();
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    DrawEye(painter, {-15.5, -2.0}, 3.6);
  }
  return fish;
}

QImage Squid() {
  constexpr int Width = 27, Height = 37;
  QImage squid = BlankImage(Width, Height);
  {
    QPainter painter(&squid);
    Smooth(painter);
    Random random(CreatureSeed + 1);
    for (int i = 0; i < 6; ++i) {
      DrawStrand(painter, {8.5 + i * 2.0, 22.0}, random.Range(10.0, 14.0), 1.6,
                 random.Range(0.0, 6.28), 1.7, QColor(255, 160, 140, 220));
    }
    QPainterPath mantle;
    mantle.moveTo(13.5, 0.8);
    mantle.cubicTo(18.0, 6.0, 19.5, 16.0, 18.5, 23.0);
    mantle.lineTo(8.5, 23.0);
    mantle.cubicTo(7.5, 16.0, 9.0, 6.0, 13.5, 0.8);
    QPainterPath fins;
    fins.moveTo(11.0, 4.0);
    fins.quadTo(2.0, 9.0, 9.2, 13.0);
    fins.lineTo(17.8, 13.0);
    fins.quadTo(25.0, 9.0, 16.0, 4.0);
    fins.closeSubpath();
    const QColor skin{255, 170, 150, 235};
    painter.setPen(QPen(QColor(150, 60, 60, 220), 1.0));
    painter.setBrush(skin.darker(108));
    painter.drawPath(fins);
    QLinearGradient shade(8.0, 0.0, 19.0, 0.0);
    shade.setColorAt(0.0, QColor(255, 214, 196, 240));
    shade.setColorAt(1.0, QColor(236, 120, 110, 240));
    painter.setBrush(shade);
    painter.drawPath(mantle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 60, 70, 150));
    for (const QPointF spot :
         {QPointF(13.0, 9.0), QPointF(15.5, 14.0), QPointF(11.5, 17.0), QPointF(14.0, 19.5)}) {
      painter.drawEllipse(spot, 1.0, 1.0);
    }
    DrawEye(painter, {10.3, 22.5}, 2.0);
    DrawEye(painter, {16.7, 22.5}, 2.0);
  }
  return WithGlow(squid, QColor(255, 190, 170, 110));
}

QImage Seahorse() {
  constexpr int Width = 57, Height = 77;
  QImage horse = BlankImage(Width, Height);
  {
    QPainter painter(&horse);
    Smooth(painter);
    DrawSeahorseFin(painter);
    DrawSeahorseTail(painter);
    const QPainterPath body = SeahorseBody();
    QLinearGradient gold(20.0, 0.0, 44.0, 0.0);
    gold.setColorAt(0.0, QColor(255, 226, 120));
    gold.setColorAt(0.5, QColor(250, 190, 70));
    gold.setColorAt(1.0, QColor(214, 130, 40));
    painter.setPen(QPen(SeahorseInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(body);
    // The rings of its armour.
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(WithAlpha(SeahorseInk, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
      const double y = 25.0 + i * 5.5;
      painter.drawArc(QRectF(12.0, y - 4.0, 36.0, 8.0), 180 * 16, 180 * 16);
    }
    painter.restore();
    // A crown of small knobs on the head.
    painter.setPen(QPen(SeahorseInk, 1.0));
    painter.setBrush(QColor(255, 210, 100));
    for (const QPointF knob : {QPointF(29.0, 2.0), QPointF(34.0, 3.0), QPointF(38.0, 6.5)}) {
      painter.drawEllipse(knob, 2.0, 2.0);
    }
    DrawEye(painter, {28.5, 11.5}, 3.2);
  }
  return horse;
}

}  // namespace marlquin::assetgen
