// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "FrameParts.h"
#include "FramePictures.h"
#include "Lettering.h"
#include "Paint.h"
#include "Palette.h"

namespace marlquin::assetgen {
namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// Where the game draws over the frame.
constexpr QRectF Playfield{227.0, 60.0, 345.0, 394.0};
constexpr QPointF LauncherPivot{392.0, 424.0};
constexpr QPointF NextBallCentre{392.0, 484.0};
constexpr QRectF TimeBar{546.0, 431.0, 19.0, 64.0};
constexpr QRectF ScoreSlot{94.0, 14.0, 106.0, 32.0};      // text at (100, 20)
constexpr QRectF LevelSlot{94.0, 54.0, 106.0, 32.0};      // text at (100, 60)
constexpr QRectF ButtonPanel{26.0, 108.0, 174.0, 244.0};  // buttons at x 38, y 120..340
constexpr QRectF TogglePanel{28.0, 490.0, 142.0, 82.0};   // toggles at (40, 500), (110, 500)
constexpr QPointF SoundToggleCentre{64.0, 524.0};
constexpr QPointF MusicToggleCentre{134.0, 524.0};

// Windows onto the sea, where the swimming creatures pass by.
constexpr QPointF BigPorthole{692.0, 248.0};
constexpr double BigPortholeRadius = 74.0;
constexpr QPointF SmallPorthole{113.0, 421.0};
constexpr double SmallPortholeRadius = 40.0;
// A strip of glass under the console, onto the sea floor.
constexpr QRectF FloorWindow{252.0, 532.0, 266.0, 50.0};
constexpr double FloorWindowRadius = 14.0;

constexpr double RimWidth = 8.0;
constexpr double SocketRadius = 22.0;
constexpr double DomeHalfWidth = 50.0;
constexpr double DomeHeight = 36.0;
constexpr double CupRadius = 17.5;

QPainterPath Circle(QPointF centre, double radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

QPainterPath RectanglePath(const QRectF& area, double radius = 0.0) {
  QPainterPath path;
  path.addRoundedRect(area, radius, radius);
  return path;
}

void DrawPorthole(QPainter& painter, QPointF centre, double radius, int bolts) {
  DrawBrassRing(painter, centre, radius, 10.0);
  for (int i = 0; i < bolts; ++i) {
    const double angle = (i + 0.5) * 2.0 * std::numbers::pi / bolts;
    DrawBolt(painter, centre + QPointF(std::cos(angle), std::sin(angle)) * (radius + 5.0), 2.6);
  }
}

void DrawScoreBoard(QPainter& painter) {
  DrawLabel(painter, "SCORE", 15.0, {ScoreSlot.left() / 2.0 + 5.0, ScoreSlot.center().y()});
  DrawLabel(painter, "LEVEL", 15.0, {LevelSlot.left() / 2.0 + 5.0, LevelSlot.center().y()});
  DrawPlaque(painter, ScoreSlot, 7.0);
  DrawPlaque(painter, LevelSlot, 7.0);
}

void DrawControlPanels(QPainter& painter) {
  DrawRecess(painter, ButtonPanel, 12.0);
  DrawRecess(painter, TogglePanel, 12.0);
  for (const QPointF centre : {SoundToggleCentre, MusicToggleCentre}) {
    painter.save();
    Smooth(painter);
    painter.setPen(QPen(QColor(120, 200, 215, 60), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 25.5, 25.5);
    painter.restore();
  }
  DrawLabel(painter, "SOUND", 9.5, SoundToggleCentre + QPointF(0.0, 38.0));
  DrawLabel(painter, "MUSIC", 9.5, MusicToggleCentre + QPointF(0.0, 38.0));
}

// A low dome rising from the playfield's floor carries the launcher's socket.
void DrawDome(QPainter& painter) {
  const QRectF dome(LauncherPivot.x() - DomeHalfWidth, Playfield.bottom() - DomeHeight,
                    2 * DomeHalfWidth, 2 * DomeHeight);
  QPainterPath outline;
  outline.moveTo(dome.left(), Playfield.bottom());
  outline.arcTo(dome, 180.0, -180.0);
  outline.closeSubpath();
  QRadialGradient metal(LauncherPivot + QPointF(-14.0, -12.0), DomeHalfWidth * 1.2);
  metal.setColorAt(0.0, QColor(70, 140, 160));
  metal.setColorAt(0.6, palette::PanelLight);
  metal.setColorAt(1.0, palette::PanelDark);
  painter.save();
  Smooth(painter);
  painter.setPen(QPen(palette::Brass, 2.5));
  painter.setBrush(metal);
  painter.drawPath(outline);
  painter.setPen(QPen(palette::RimDark, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(dome.adjusted(-1.5, -1.5, 1.5, 1.5), 0, 180 * 16);
  painter.restore();
  for (const double degrees : {200.0, 340.0}) {
    const double angle = degrees * std::numbers::pi / 180.0;
    DrawBolt(painter,
             {LauncherPivot.x() + std::cos(angle) * (DomeHalfWidth - 9.0),
              Playfield.bottom() + std::sin(angle) * (DomeHeight - 7.0) - 2.0},
             2.6);
  }
}

// A dark hollow in a steel ring; steel, not brass, so that the launcher's brass cradle
// stands out against it.
void DrawSocket(QPainter& painter) {
  painter.save();
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(4, 20, 34, 150));
  painter.drawEllipse(LauncherPivot, SocketRadius, SocketRadius);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette::RimDark, 5.5));
  painter.drawEllipse(LauncherPivot, SocketRadius + 2.0, SocketRadius + 2.0);
  QConicalGradient steel(LauncherPivot, 135.0);
  steel.setColorAt(0.0, palette::RimLight);
  steel.setColorAt(0.5, palette::PanelDark);
  steel.setColorAt(1.0, palette::RimLight);
  painter.setPen(QPen(QBrush(steel), 3.5));
  painter.drawEllipse(LauncherPivot, SocketRadius + 2.0, SocketRadius + 2.0);
  painter.restore();
}

void DrawNextBallCup(QPainter& painter) {
  painter.save();
  Smooth(painter);
  QRadialGradient cup(NextBallCentre + QPointF(0.0, -4.0), CupRadius + 4.0);
  cup.setColorAt(0.0, QColor(24, 70, 96));
  cup.setColorAt(1.0, QColor(2, 14, 26));
  painter.setPen(Qt::NoPen);
  painter.setBrush(cup);
  painter.drawEllipse(NextBallCentre, CupRadius, CupRadius);
  painter.restore();
  DrawBrassRing(painter, NextBallCentre, CupRadius, 3.5);
  DrawLabel(painter, "NEXT", 13.0, NextBallCentre + QPointF(-52.0, 0.0));
}

// A glass tube with a scale, behind the half-transparent push-time bar.
void DrawTimeBarWell(QPainter& painter) {
  const QRectF tube = TimeBar.adjusted(-3.0, -4.0, 3.0, 4.0);
  painter.save();
  Smooth(painter);
  painter.setPen(QPen(palette::BrassDark, 4.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(tube, 6.0, 6.0);
  painter.setPen(QPen(palette::Brass, 2.5));
  painter.drawRoundedRect(tube, 6.0, 6.0);
  QLinearGradient glass(tube.topLeft(), tube.topRight());
  glass.setColorAt(0.0, QColor(4, 20, 36, 235));
  glass.setColorAt(0.3, QColor(26, 66, 90, 235));
  glass.setColorAt(1.0, QColor(4, 16, 30, 235));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glass);
  painter.drawRoundedRect(tube.adjusted(1.0, 1.0, -1.0, -1.0), 5.0, 5.0);
  painter.setPen(QPen(QColor(150, 220, 230, 150), 1.0));
  for (int tick = 1; tick < 4; ++tick) {
    const double y = TimeBar.bottom() - tick * TimeBar.height() / 4.0;
    painter.drawLine(QPointF(TimeBar.right() - 5.0, y), QPointF(TimeBar.right(), y));
  }
  painter.restore();
  DrawLabel(painter, "PUSH", 11.0, {TimeBar.center().x(), TimeBar.bottom() + 17.0});
}

void DrawKeyCap(QPainter& painter, const QRectF& key, const QPainterPath& legend) {
  painter.save();
  Smooth(painter);
  painter.setPen(QPen(palette::RimDark, 1.5));
  QLinearGradient face(key.topLeft(), key.bottomLeft());
  face.setColorAt(0.0, palette::Pearl);
  face.setColorAt(1.0, palette::PearlShade);
  painter.setBrush(face);
  painter.drawRoundedRect(key, 4.0, 4.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::LabelDeep);
  painter.drawPath(legend);
  painter.restore();
}

QPainterPath Arrow(QPointF centre, double direction) {
  QPainterPath arrow;
  arrow.moveTo(centre + QPointF(5.0 * direction, 0.0));
  arrow.lineTo(centre + QPointF(-4.0 * direction, -5.0));
  arrow.lineTo(centre + QPointF(-4.0 * direction, 5.0));
  arrow.closeSubpath();
  return arrow;
}

// How to play, in keys: aim with the arrows or the wheel, shoot with Space or a click.
void DrawHints(QPainter& painter) {
  const QRectF panel{600.0, 388.0, 184.0, 110.0};
  DrawRecess(painter, panel, 12.0);
  DrawLabel(painter, "AIM", 14.0, {panel.left() + 36.0, panel.top() + 30.0});
  DrawKeyCap(painter, {panel.left() + 70.0, panel.top() + 17.0, 26.0, 26.0},
             Arrow({panel.left() + 83.0, panel.top() + 30.0}, -1.0));
  DrawKeyCap(painter, {panel.left() + 100.0, panel.top() + 17.0, 26.0, 26.0},
             Arrow({panel.left() + 113.0, panel.top() + 30.0}, 1.0));
  DrawLabel(painter, "WHEEL", 11.0, {panel.left() + 155.0, panel.top() + 30.0});
  DrawLabel(painter, "SHOOT", 14.0, {panel.left() + 36.0, panel.top() + 78.0});
  DrawKeyCap(painter, {panel.left() + 70.0, panel.top() + 65.0, 56.0, 26.0},
             CentredText("SPACE", 11.0, {panel.left() + 98.0, panel.top() + 78.0}));
  DrawLabel(painter, "CLICK", 11.0, {panel.left() + 155.0, panel.top() + 78.0});
}

void DrawDecorBubbles(QPainter& painter) {
  const struct {
    QPointF centre;
    double radius;
  } bubbles[] = {{{640.0, 560.0}, 6.0}, {{652.0, 536.0}, 4.0}, {{646.0, 518.0}, 2.8},
                 {{742.0, 548.0}, 8.0}, {{728.0, 522.0}, 5.0}, {{736.0, 503.0}, 3.0},
                 {{700.0, 578.0}, 4.5}, {{212.0, 520.0}, 5.0}, {{203.0, 545.0}, 3.2}};
  for (const auto& bubble : bubbles) DrawBubble(painter, bubble.centre, bubble.radius);
}

// A bevel along the window's edge finishes the panels.
void DrawOuterBevel(QPainter& painter) {
  painter.save();
  painter.setPen(QPen(WithAlpha(palette::RimLight, 120), 2.0));
  painter.drawLine(QPointF(1.0, 1.0), QPointF(Width - 1.0, 1.0));
  painter.drawLine(QPointF(1.0, 1.0), QPointF(1.0, Height - 1.0));
  painter.setPen(QPen(palette::RimDark, 2.0));
  painter.drawLine(QPointF(1.0, Height - 1.0), QPointF(Width - 1.0, Height - 1.0));
  painter.drawLine(QPointF(Width - 1.0, 1.0), QPointF(Width - 1.0, Height - 1.0));
  painter.restore();
}

}  // namespace

QImage PlayFrame() {
  QImage frame = PanelMaterial(Width, Height);
  {
    QPainter painter(&frame);
    DrawOpeningRim(painter, RectanglePath(Playfield), RimWidth);
    DrawOpeningRim(painter, RectanglePath(FloorWindow, FloorWindowRadius), 4.0);
    DrawOuterBevel(painter);
  }
  CutOut(frame, RectanglePath(Playfield));
  CutOut(frame, Circle(BigPorthole, BigPortholeRadius));
  CutOut(frame, Circle(SmallPorthole, SmallPortholeRadius));
  CutOut(frame, RectanglePath(FloorWindow, FloorWindowRadius));

  QPainter painter(&frame);
  DrawPorthole(painter, BigPorthole, BigPortholeRadius, 10);
  DrawPorthole(painter, SmallPorthole, SmallPortholeRadius, 6);
  for (const double x : {FloorWindow.left() - 9.0, FloorWindow.right() + 9.0}) {
    DrawBolt(painter, {x, FloorWindow.center().y()}, 3.0);
  }
  DrawTitle(painter, "MARLQUIN", 35.0, {692.0, 48.0});
  DrawScoreBoard(painter);
  DrawControlPanels(painter);
  DrawDome(painter);
  DrawSocket(painter);
  DrawNextBallCup(painter);
  DrawTimeBarWell(painter);
  DrawHints(painter);
  DrawDecorBubbles(painter);
  return frame;
}

}  // namespace marlquin::assetgen
