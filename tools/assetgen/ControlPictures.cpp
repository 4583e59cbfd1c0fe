// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlPictures.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "FrameParts.h"
#include "Paint.h"
#include "Palette.h"

namespace marlquin::assetgen {
namespace {

constexpr int FaceWidth = 150;
constexpr int FaceHeight = 40;
constexpr double FaceRadius = 10.0;
// Height of the darker lip under a raised face, and under a pressed one.
constexpr double RaisedLip = 7.0;
constexpr double PressedLip = 4.5;

constexpr int ToggleCell = 48;
constexpr double ToggleRadius = 20.5;

constexpr QPointF LauncherPivot{20.0, 64.0};

constexpr int PauseSize = 58;
const QColor DialogLight{236, 246, 248};
const QColor MagentaKey{255, 0, 255};

struct FaceLook {
  QColor top, bottom, lip;
  int sheen;  // alpha of the upper highlight
  bool pressed, hovered;
};

// A raised key: a light top face over a darker lip, so that the caption, which the game
// draws in the upper part of the face, sits in the middle of the lit top.
void DrawFace(QPainter& painter, QPointF origin, const FaceLook& look) {
  painter.save();
  Smooth(painter);
  painter.translate(origin);
  const QRectF body(1.0, 1.0, FaceWidth - 2.0, FaceHeight - 2.0);
  const double lip = look.pressed ? PressedLip : RaisedLip;
  const QRectF top(body.left(), body.top() + (RaisedLip - lip), body.width(),
                   body.height() - RaisedLip);
  painter.setPen(QPen(QColor(16, 66, 88), 1.6));
  painter.setBrush(look.lip);
  painter.drawRoundedRect(body, FaceRadius, FaceRadius);
  QLinearGradient fill(top.topLeft(), top.bottomLeft());
  fill.setColorAt(0.0, look.top);
  fill.setColorAt(1.0, look.bottom);
  painter.setPen(QPen(QColor(16, 66, 88, 150), 1.0));
  painter.setBrush(fill);
  painter.drawRoundedRect(top, FaceRadius, FaceRadius);

  QLinearGradient sheen(0, top.top(), 0, top.center().y());
  sheen.setColorAt(0.0, QColor(255, 255, 255, look.sheen));
  sheen.setColorAt(1.0, QColor(255, 255, 255, look.sheen / 5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawRoundedRect(QRectF(5.0, top.top() + 2.0, FaceWidth - 10.0, top.height() * 0.45), 7.0,
                          7.0);
  painter.setBrush(Qt::NoBrush);
  if (look.pressed) {
    painter.setPen(QPen(QColor(10, 50, 70, 80), 2.5));
    painter.drawRoundedRect(top.adjusted(1.5, 1.5, -1.5, -1.5), FaceRadius - 1.0, FaceRadius - 1.0);
  }
  if (look.hovered) {
    painter.setPen(QPen(QColor(40, 200, 225, 200), 2.2));
    painter.drawRoundedRect(top.adjusted(1.6, 1.6, -1.6, -1.6), FaceRadius - 1.5, FaceRadius - 1.5);
  }
  painter.restore();
  // Two small bubbles at the ends, clear of the caption.
  DrawBubble(painter, origin + QPointF(12.0, top.center().y() + 2.0), 3.0);
  DrawBubble(painter, origin + QPointF(FaceWidth - 12.0, top.center().y() - 1.0), 2.3);
}

QPainterPath SpeakerPath(QPointF c) {
  QPainterPath path;
  path.moveTo(c + QPointF(-11.0, -4.5));
  path.lineTo(c + QPointF(-6.0, -4.5));
  path.lineTo(c + QPointF(1.0, -10.5));
  path.lineTo(c + QPointF(1.0, 10.5));
  path.lineTo(c + QPointF(-6.0, 4.5));
  path.lineTo(c + QPointF(-11.0, 4.5));
  path.closeSubpath();
  return path;
}

QPainterPath NotePath(QPointF c) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  const QPointF leftHead = c + QPointF(-6.5, 8.0), rightHead = c + QPointF(7.0, 5.5);
  for (const QPointF head : {leftHead, rightHead}) {
    QTransform tilt;
    tilt.translate(head.x(), head.y());
    tilt.rotate(-22.0);
    QPainterPath oval;
    oval.addEllipse(QPointF(0, 0), 4.6, 3.3);
    path.addPath(tilt.map(oval));
    path.addRect(QRectF(head.x() + 2.6, head.y() - 15.0, 2.2, 15.0));
  }
  QPainterPath beam;
  beam.moveTo(leftHead + QPointF(2.6, -15.0));
  beam.lineTo(rightHead + QPointF(4.8, -17.5));
  beam.lineTo(rightHead + QPointF(4.8, -12.5));
  beam.lineTo(leftHead + QPointF(2.6, -10.0));
  beam.closeSubpath();
  path.addPath(beam);
  return path.simplified();
}

// The speaker's sound waves, shown while effects are on.
void DrawSoundWaves(QPainter& painter, QPointF from, const QColor& ink, const QColor& edge) {
  painter.setBrush(Qt::NoBrush);
  for (const double radius : {6.0, 10.5}) {
    const QRectF arc(from.x() - radius + 0.5, from.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(QPen(edge, 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(arc, -50 * 16, 100 * 16);
    painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(arc, -50 * 16, 100 * 16);
  }
}

// A coral slash across the toggle says "off" without needing colour.
void DrawOffSlash(QPainter& painter, QPointF centre) {
  const QPointF from = centre + QPointF(-12.0, -12.0), to = centre + QPointF(12.0, 12.0);
  painter.setPen(QPen(QColor(40, 10, 10, 200), 5.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  painter.setPen(QPen(palette::Coral, 3.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
}

void DrawToggle(QPainter& painter, QPointF origin, ToggleIcon icon, bool on, bool hovered) {
  const QPointF centre = origin + QPointF(ToggleCell / 2.0, ToggleCell / 2.0);
  const QColor body = on ? QColor(30, 168, 196) : QColor(84, 106, 128);
  painter.drawImage(origin, OrbImage(ToggleCell, ToggleCell, {ToggleCell / 2.0, ToggleCell / 2.0},
                                     ToggleRadius, hovered ? body.lighter(118) : body));
  painter.save();
  Smooth(painter);
  const QColor ink = on ? QColor(255, 255, 255) : QColor(196, 210, 222);
  const QColor edge = on ? QColor(6, 60, 80, 200) : QColor(30, 40, 56, 170);
  const bool speaker = icon == ToggleIcon::Speaker;
  const QPointF iconCentre = centre + QPointF(speaker ? -1.0 : 0.0, 0.5);
  painter.setPen(QPen(edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(ink);
  painter.drawPath(speaker ? SpeakerPath(iconCentre + QPointF(-1.0, 0.0)) : NotePath(iconCentre));
  if (on && speaker) DrawSoundWaves(painter, iconCentre, ink, edge);
  if (!on) DrawOffSlash(painter, centre);
  if (hovered) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 245, 255, 210), 2.0));
    painter.drawEllipse(centre, ToggleRadius + 1.8, ToggleRadius + 1.8);
  }
  painter.restore();
  DrawGloss(painter, centre, ToggleRadius, 0.45);
}

QPainterPath HandShape() {
  // Drawn pointing straight up with the fingertip at (0, 0); turned afterwards.
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(-3.4, 0.0, 6.8, 17.0), 3.4, 3.4);
  hand.addRoundedRect(QRectF(-3.8, 11.0, 16.6, 14.5), 4.5, 4.5);
  for (int i = 0; i < 3; ++i)
    hand.addRoundedRect(QRectF(2.6 + i * 3.6, 9.0 + i * 0.6, 4.4, 8.0), 2.2, 2.2);
  QTransform thumbTurn;
  thumbTurn.translate(-2.5, 18.5);
  thumbTurn.rotate(-40.0);
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-2.6, -8.0, 5.2, 10.0), 2.6, 2.6);
  hand.addPath(thumbTurn.map(thumb));
  hand.addRoundedRect(QRectF(-2.2, 24.0, 13.4, 5.0), 1.5, 1.5);
  return hand.simplified();
}

QPainterPath BarrelPath() {
  QPainterPath barrel;
  barrel.moveTo(20.0, 0.5);
  barrel.lineTo(28.0, 12.0);
  barrel.lineTo(24.5, 12.0);
  barrel.lineTo(26.5, 44.0);
  barrel.lineTo(13.5, 44.0);
  barrel.lineTo(15.5, 12.0);
  barrel.lineTo(12.0, 12.0);
  barrel.closeSubpath();
  return barrel;
}

QPainterPath CradlePath() {
  constexpr double Outer = 19.5, Inner = 15.2;
  constexpr double StartDegrees = -20.0, SpanDegrees = 220.0;
  QPainterPath cradle;
  const QRectF outer(LauncherPivot.x() - Outer, LauncherPivot.y() - Outer, 2 * Outer, 2 * Outer);
  const QRectF inner(LauncherPivot.x() - Inner, LauncherPivot.y() - Inner, 2 * Inner, 2 * Inner);
  cradle.arcMoveTo(outer, StartDegrees);
  cradle.arcTo(outer, StartDegrees, SpanDegrees);
  cradle.arcTo(inner, StartDegrees + SpanDegrees, -SpanDegrees);
  cradle.closeSubpath();
  return cradle;
}

QLinearGradient BrassAcross(double left, double right) {
  QLinearGradient metal(left, 0, right, 0);
  metal.setColorAt(0.0, palette::BrassDark);
  metal.setColorAt(0.35, palette::BrassLight);
  metal.setColorAt(0.6, palette::Brass);
  metal.setColorAt(1.0, palette::BrassDark);
  return metal;
}

}  // namespace

QImage ButtonFaces() {
  QImage sheet = BlankImage(2 * FaceWidth, 2 * FaceHeight);
  QPainter painter(&sheet);
  const FaceLook looks[2][2] = {
      {{QColor(240, 253, 251), QColor(184, 228, 232), QColor(92, 160, 176), 160, false, false},
       {QColor(252, 255, 246), QColor(200, 242, 238), QColor(96, 176, 186), 190, false, true}},
      {{QColor(172, 216, 222), QColor(220, 244, 244), QColor(70, 130, 146), 50, true, false},
       {QColor(184, 230, 232), QColor(230, 252, 250), QColor(76, 146, 156), 60, true, true}},
  };
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      DrawFace(painter, QPointF(column * FaceWidth, row * FaceHeight), looks[row][column]);
    }
  }
  return sheet;
}

QImage ToggleSheet(ToggleIcon icon) {
  QImage sheet = BlankImage(2 * ToggleCell, 2 * ToggleCell);
  QPainter painter(&sheet);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      DrawToggle(painter, QPointF(column * ToggleCell, row * ToggleCell), icon, row == 1,
                 column == 1);
    }
  }
  return sheet;
}

QImage HandCursor() {
  constexpr int Size = 32;
  QImage cursor = BlankImage(Size, Size);
  QPainter painter(&cursor);
  Smooth(painter);
  painter.translate(2.2, 1.2);
  painter.rotate(-24.0);
  const QPainterPath hand = HandShape();
  QLinearGradient glove(0, 0, 12, 28);
  glove.setColorAt(0.0, QColor(255, 255, 252));
  glove.setColorAt(1.0, QColor(214, 232, 238));
  painter.setPen(QPen(QColor(8, 30, 50), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(glove);
  painter.drawPath(hand);
  painter.setPen(QPen(QColor(8, 30, 50, 150), 0.9));
  for (int i = 1; i < 3; ++i)
    painter.drawLine(QPointF(2.6 + i * 3.6, 12.0), QPointF(2.6 + i * 3.6, 16.5));
  return cursor;
}

QImage Launcher() {
  QImage launcher = BlankImage(40, 80);
  QPainter painter(&launcher);
  Smooth(painter);
  painter.setPen(QPen(palette::RimDark, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(BrassAcross(12.0, 28.0));
  painter.drawPath(BarrelPath());
  // A glowing aqua core line along the barrel.
  painter.setPen(QPen(QColor(120, 240, 255, 220), 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(20.0, 14.0), QPointF(20.0, 42.0));
  painter.setPen(QPen(palette::RimDark, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(BrassAcross(0.5, 39.5));
  painter.drawPath(CradlePath());
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(palette::BrassLight, 170));
  painter.drawEllipse(QPointF(9.0, 52.5), 1.3, 1.3);
  painter.drawEllipse(QPointF(31.0, 52.5), 1.3, 1.3);
  return launcher;
}

QImage Droplet() {
  QImage drop = BlankImage(16, 16);
  QPainter painter(&drop);
  Smooth(painter);
  QPainterPath shape;
  shape.moveTo(8.0, 0.8);
  shape.cubicTo(10.0, 4.5, 13.2, 7.0, 13.2, 10.2);
  shape.cubicTo(13.2, 13.2, 10.8, 15.3, 8.0, 15.3);
  shape.cubicTo(5.2, 15.3, 2.8, 13.2, 2.8, 10.2);
  shape.cubicTo(2.8, 7.0, 6.0, 4.5, 8.0, 0.8);
  QRadialGradient water(QPointF(7.0, 10.5), 7.0);
  water.setColorAt(0.0, QColor(210, 250, 255, 230));
  water.setColorAt(1.0, QColor(70, 190, 230, 230));
  painter.setPen(QPen(QColor(20, 110, 150, 230), 1.0));
  painter.setBrush(water);
  painter.drawPath(shape);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawEllipse(QPointF(6.0, 9.5), 1.5, 2.2);
  return drop;
}

QImage PauseIcon() {
  constexpr double Radius = 26.0;
  const QPointF centre{PauseSize / 2.0, PauseSize / 2.0};
  QImage icon = OrbImage(PauseSize, PauseSize, centre, Radius, QColor(34, 150, 196));
  {
    QPainter painter(&icon);
    Smooth(painter);
    painter.setPen(QPen(QColor(6, 50, 80), 2.0));
    painter.setBrush(QColor(250, 255, 255));
    painter.drawRoundedRect(QRectF(centre.x() - 10.5, centre.y() - 12.0, 7.5, 24.0), 2.5, 2.5);
    painter.drawRoundedRect(QRectF(centre.x() + 3.0, centre.y() - 12.0, 7.5, 24.0), 2.5, 2.5);
    DrawGloss(painter, centre, Radius, 0.8);
  }
  // Pixels mostly covered are blended onto the dialog's light colour, the rest become key.
  QImage keyed(PauseSize, PauseSize, QImage::Format_RGB32);
  keyed.fill(MagentaKey);
  QImage straight = icon.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < PauseSize; ++y) {
    for (int x = 0; x < PauseSize; ++x) {
      const QRgb p = straight.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      const double a = qAlpha(p) / 255.0;
      auto blend = [&](int part, int light) {
        return static_cast<int>(std::lround(part * a + light * (1 - a)));
      };
      keyed.setPixel(x, y,
                     qRgb(blend(qRed(p), DialogLight.red()), blend(qGreen(p), DialogLight.green()),
                          blend(qBlue(p), DialogLight.blue())));
    }
  }
  return keyed;
}

}  // namespace marlquin::assetgen
