// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeaPicture.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Noise.h"
#include "Paint.h"
#include "Palette.h"
#include "Random.h"

namespace marlquin::assetgen {
namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// The sun sits above the top edge, a little left of the playfield's middle.
constexpr double SunX = 330.0;
constexpr double SunY = -260.0;

constexpr uint32_t RaySeed = 11;
constexpr uint32_t HazeSeed = 23;
constexpr uint32_t ReefSeed = 37;
constexpr uint32_t SandSeed = 41;
constexpr uint64_t DecorSeed = 0x5EA;

Rgba WaterAt(double y) {
  const double t = y / Height;
  const Rgba top = ToRgba(palette::SeaTop), middle = ToRgba(palette::SeaMiddle),
             deep = ToRgba(palette::SeaDeep);
  return t < 0.42 ? Mix(top, middle, SmoothStep(0.0, 0.42, t))
                  : Mix(middle, deep, SmoothStep(0.42, 1.0, t));
}

double RayLight(double x, double y) {
  const double angle = std::atan2(x - SunX, y - SunY);
  const double broad = std::pow(ValueNoise(angle * 22.0, RaySeed), 3.0);
  const double fine = std::pow(ValueNoise(angle * 61.0, RaySeed + 1), 4.0);
  return (0.75 * broad + 0.45 * fine) * std::exp(-y / 300.0);
}

// Shimmer of the surface waves' light near the top.
double Caustics(double x, double y) {
  const double a = std::sin(x * 0.052 + 2.2 * std::sin(y * 0.061));
  const double b = std::sin(y * 0.047 + 2.0 * std::sin(x * 0.038));
  return std::pow(1.0 - std::abs(a * b), 6.0) * std::exp(-y / 45.0);
}

double ReefLine(double x) { return 455.0 - 95.0 * FractalNoise(x / 210.0, 0.5, ReefSeed, 4); }

double SandLine(double x) {
  return 538.0 + 12.0 * std::sin(x / 97.0 + 1.0) + 14.0 * FractalNoise(x / 120.0, 3.5, SandSeed, 3);
}

Rgba Sand(double x, double y, double top) {
  const Rgba sand{0.96, 0.82, 0.56, 1.0};
  const double ripple =
      0.5 + 0.5 * std::sin((x + 7.0 * std::sin(y / 6.0 + x / 70.0)) / 4.5 + (y - top) / 2.2);
  const double grain = FractalNoise(x / 5.0, y / 5.0, SandSeed + 5, 2);
  const double depth = Clamp01((y - top) / 50.0);
  // The crest of the floor catches the light; the near sand lies in shade.
  const double crest = std::exp(-(y - top) / 5.0);
  Rgba colour = Scaled(sand, 0.72 + 0.14 * ripple + 0.12 * grain - 0.22 * depth + 0.2 * crest);
  // Water between the eye and the floor tints it towards the sea's colour.
  return Mix(colour, WaterAt(y), 0.3);
}

Rgba SeaShade(double x, double y) {
  Rgba colour = WaterAt(y);
  const double haze = FractalNoise(x / 260.0, y / 180.0, HazeSeed, 4);
  colour = Scaled(colour, 0.92 + 0.16 * haze);
  // The far reef: a darker, hazy shape, darker further down. Its edge is blended over a
  // pixel, so the sea needs no supersampling.
  const double reef = ReefLine(x);
  const double inReef = SmoothStep(reef - 0.8, reef + 0.8, y);
  const double depth = Clamp01((y - reef) / 140.0);
  const double reefShade = FractalNoise(x / 40.0, y / 40.0, ReefSeed + 3, 3);
  colour = Mix(colour, Scaled(ToRgba(palette::SeaDeep), 0.8 + 0.25 * reefShade),
               inReef * (0.3 + 0.25 * depth));
  const Rgba light = ToRgba(palette::SeaHaze);
  colour = Mix(colour, light, Clamp01(0.26 * RayLight(x, y) + 0.22 * Caustics(x, y)));
  const double sand = SandLine(x);
  colour = Mix(colour, Sand(x, y, sand), SmoothStep(sand - 0.8, sand + 0.8, y));
  // Vignette: the corners sink into darker water.
  const double dx = (x - Width / 2.0) / (Width / 2.0), dy = (y - Height / 2.0) / (Height / 2.0);
  colour = Scaled(colour, 1.0 - 0.22 * SmoothStep(0.5, 1.45, dx * dx + dy * dy));
  colour.a = 1.0;
  return colour;
}

// One kelp strand: a ribbon swaying upwards from the floor.
void DrawKelp(QPainter& painter, Random& random, double baseX, double baseY, double height,
              const QColor& colour) {
  const int segments = 24;
  const double sway = random.Range(10.0, 26.0), phase = random.Range(0.0, 6.28);
  QPainterPath left, right;
  for (int i = 0; i <= segments; ++i) {
    const double t = static_cast<double>(i) / segments;
    const double x = baseX + sway * std::sin(phase + t * 3.6) * t;
    const double y = baseY - height * t;
    const double halfWidth = (1.0 - t * 0.7) * 8.0 + 2.5 * std::sin(t * 17.0 + phase);
    const QPointF l(x - halfWidth, y), r(x + halfWidth, y);
    i == 0 ? left.moveTo(l) : left.lineTo(l);
    i == 0 ? right.moveTo(r) : right.lineTo(r);
  }
  QPainterPath strand = left;
  strand.connectPath(right.toReversed());
  strand.closeSubpath();
  QLinearGradient shade(baseX - 8, 0, baseX + 8, 0);
  shade.setColorAt(0.0, colour.darker(130));
  shade.setColorAt(0.5, colour.lighter(125));
  shade.setColorAt(1.0, colour.darker(140));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(strand);
}

// A fan coral: branches forking upwards, each thinner than its parent.
void DrawCoralBranch(QPainter& painter, Random& random, QPointF from, double angle, double length,
                     double width, int depth, const QColor& colour) {
  const QPointF to = from + QPointF(std::sin(angle), -std::cos(angle)) * length;
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  if (depth == 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.lighter(135));
    painter.drawEllipse(to, width * 0.6, width * 0.6);
    return;
  }
  for (const double turn : {-0.42, 0.38}) {
    DrawCoralBranch(painter, random, to, angle + turn + random.Range(-0.15, 0.15),
                    length * random.Range(0.62, 0.8), width * 0.72, depth - 1, colour);
  }
}

void DrawRock(QPainter& painter, Random& random, QPointF centre, double radius) {
  QPainterPath rock;
  constexpr int Corners = 11;
  for (int i = 0; i <= Corners; ++i) {
    const double angle = std::numbers::pi + i * std::numbers::pi / Corners;
    const double r = radius * random.Range(0.8, 1.05);
    const QPointF p = centre + QPointF(std::cos(angle) * r * 1.5, std::sin(angle) * r);
    i == 0 ? rock.moveTo(p) : rock.lineTo(p);
  }
  rock.closeSubpath();
  QLinearGradient shade(centre.x(), centre.y() - radius, centre.x(), centre.y());
  shade.setColorAt(0.0, QColor(46, 92, 112));
  shade.setColorAt(1.0, QColor(14, 40, 60));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(rock);
}

void DrawFloorLife(QPainter& painter, Random& random) {
  // Far strands first, paler with distance.
  for (int i = 0; i < 7; ++i) {
    const double x = i < 4 ? random.Range(10.0, 190.0) : random.Range(610.0, 790.0);
    DrawKelp(painter, random, x, SandLine(x) + 6.0, random.Range(150.0, 260.0),
             QColor(30, 96, 96, 120));
  }
  DrawCoralBranch(painter, random, {640.0, SandLine(640.0) + 4.0}, 0.1, 46.0, 8.0, 5,
                  QColor(206, 108, 118, 215));
  DrawCoralBranch(painter, random, {118.0, SandLine(118.0) + 4.0}, -0.15, 38.0, 7.0, 5,
                  QColor(222, 156, 86, 205));
  DrawRock(painter, random, {58.0, SandLine(58.0) + 12.0}, 36.0);
  DrawRock(painter, random, {738.0, SandLine(738.0) + 10.0}, 42.0);
  DrawRock(painter, random, {470.0, SandLine(470.0) + 8.0}, 18.0);
  DrawRock(painter, random, {300.0, SandLine(300.0) + 6.0}, 10.0);
  for (int i = 0; i < 6; ++i) {
    const double x = i < 3 ? random.Range(20.0, 170.0) : random.Range(630.0, 780.0);
    DrawKelp(painter, random, x, SandLine(x) + 14.0, random.Range(110.0, 210.0),
             QColor(40, 128, 92, 215));
  }
}

// A five-armed starfish lying on the sand.
void DrawStarfish(QPainter& painter, QPointF centre, double radius, double turn) {
  QPainterPath star;
  constexpr int Arms = 5;
  for (int i = 0; i < 2 * Arms; ++i) {
    const double angle = turn + i * std::numbers::pi / Arms;
    const double r = i % 2 == 0 ? radius : radius * 0.42;
    // Seen at a slant, so flattened.
    const QPointF p = centre + QPointF(std::sin(angle) * r, -std::cos(angle) * r * 0.62);
    i == 0 ? star.moveTo(p) : star.lineTo(p);
  }
  star.closeSubpath();
  QRadialGradient skin(centre, radius);
  skin.setColorAt(0.0, QColor(250, 170, 110));
  skin.setColorAt(1.0, QColor(200, 90, 70));
  painter.setPen(QPen(QColor(110, 40, 40, 200), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(skin);
  painter.drawPath(star);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 220, 180, 180));
  for (int i = 0; i < Arms; ++i) {
    const double angle = turn + i * 2.0 * std::numbers::pi / Arms;
    for (const double along : {0.3, 0.55}) {
      painter.drawEllipse(
          centre + QPointF(std::sin(angle), -std::cos(angle) * 0.62) * radius * along, 1.0, 0.8);
    }
  }
}

// A spiral cone shell and a small fan-ribbed clam.
void DrawShells(QPainter& painter, QPointF cone, QPointF clam) {
  QPainterPath spire;
  spire.moveTo(cone + QPointF(-9.0, 3.0));
  spire.quadTo(cone + QPointF(0.0, -3.0), cone + QPointF(12.0, -5.0));
  spire.quadTo(cone + QPointF(4.0, 5.0), cone + QPointF(-9.0, 3.0));
  painter.setPen(QPen(QColor(120, 90, 80), 1.0));
  painter.setBrush(QColor(236, 214, 190));
  painter.drawPath(spire);
  painter.setPen(QPen(QColor(170, 120, 100), 0.8));
  for (int i = 1; i < 4; ++i) {
    const QPointF at = cone + QPointF(-6.0 + i * 4.0, 1.5 - i * 1.4);
    painter.drawLine(at + QPointF(0.0, -2.0), at + QPointF(0.8, 2.0));
  }
  QPainterPath fan;
  fan.moveTo(clam + QPointF(0.0, 4.0));
  fan.cubicTo(clam + QPointF(-11.0, 2.0), clam + QPointF(-8.0, -9.0), clam + QPointF(0.0, -9.0));
  fan.cubicTo(clam + QPointF(8.0, -9.0), clam + QPointF(11.0, 2.0), clam + QPointF(0.0, 4.0));
  painter.setPen(QPen(QColor(120, 70, 90), 1.0));
  painter.setBrush(QColor(240, 190, 200));
  painter.drawPath(fan);
  for (int i = -2; i <= 2; ++i)
    painter.drawLine(clam + QPointF(0.0, 3.5), clam + QPointF(i * 3.2, -7.5 + std::abs(i) * 0.8));
}

void DrawSpecks(QPainter& painter, Random& random) {
  constexpr int Specks = 260;
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < Specks; ++i) {
    const QPointF at(random.Range(0.0, Width), random.Range(0.0, Height - 40.0));
    const double radius = random.Range(0.5, 1.7);
    painter.setBrush(QColor(210, 245, 250, static_cast<int>(random.Range(25.0, 100.0))));
    painter.drawEllipse(at, radius, radius);
  }
}

// A trail of air bubbles rising from a vent beside the rock on the right.
void DrawBubbleTrail(QPainter& painter, Random& random, double x, double bottom) {
  double y = bottom;
  const double phase = random.Range(0.0, 6.28);
  for (int i = 0; i < 11; ++i) {
    const double radius = random.Range(1.5, 3.5) + i * 0.2;
    const QPointF at(x + (4.0 + i * 1.6) * std::sin(phase + i * 1.3), y);
    painter.setBrush(QColor(200, 245, 255, 40));
    painter.setPen(QPen(QColor(220, 250, 255, 120), 0.9));
    painter.drawEllipse(at, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(at + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.3, radius * 0.3);
    y -= random.Range(12.0, 26.0) + i * 4.0;
  }
}

}  // namespace

QImage SeaBackground() {
  QImage sea = ShadedImage(Width, Height, 1, SeaShade);
  QPainter painter(&sea);
  Smooth(painter);
  Random random(DecorSeed);
  DrawFloorLife(painter, random);
  DrawStarfish(painter, {332.0, 566.0}, 15.0, 0.3);
  DrawShells(painter, {468.0, 566.0}, {404.0, 570.0});
  DrawBubbleTrail(painter, random, 700.0, 520.0);
  DrawBubbleTrail(painter, random, 96.0, 530.0);
  DrawSpecks(painter, random);
  painter.end();
  return sea.convertToFormat(QImage::Format_RGB32);
}

}  // namespace marlquin::assetgen
