// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectPictures.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "FrameParts.h"
#include "Lettering.h"
#include "Noise.h"
#include "Paint.h"
#include "Palette.h"
#include "Random.h"

namespace marlquin::assetgen {
namespace {

constexpr int BlastWidth = 100;
constexpr int BlastHeight = 75;
constexpr int BlastSamples = 3;
constexpr uint32_t FlameSeed = 101;
constexpr uint64_t DebrisSeed = 0xB0;

constexpr int BannerWidth = 160;
constexpr int BannerHeight = 45;

struct FlameStop {
  double at;
  Rgba colour;
};

// From the white-hot core out to the dark red edge.
const FlameStop FlameRamp[] = {
    {0.00, {1.00, 1.00, 0.90, 1.0}}, {0.22, {1.00, 0.95, 0.55, 1.0}},
    {0.50, {1.00, 0.70, 0.18, 1.0}}, {0.78, {0.92, 0.36, 0.10, 1.0}},
    {1.00, {0.62, 0.14, 0.10, 1.0}},
};

Rgba FlameColour(double t) {
  for (size_t i = 1; i < std::size(FlameRamp); ++i) {
    if (t <= FlameRamp[i].at) {
      const FlameStop& from = FlameRamp[i - 1];
      return Mix(from.colour, FlameRamp[i].colour, (t - from.at) / (FlameRamp[i].at - from.at));
    }
  }
  return FlameRamp[std::size(FlameRamp) - 1].colour;
}

// Noise around a circle, so that the ragged edge joins up all the way round.
double AroundCircle(double angle, double features, uint32_t seed) {
  return ValueNoise(10.0 + features * std::cos(angle), 10.0 + features * std::sin(angle), seed);
}

Rgba BlastShade(double x, double y) {
  const double u = (x - BlastWidth / 2.0) / (BlastWidth / 2.0 - 1.0);
  const double v = (y - BlastHeight / 2.0) / (BlastHeight / 2.0 - 1.0);
  const double r = std::sqrt(u * u + v * v);
  const double angle = std::atan2(v, u);
  const double edge = 0.5 + 0.16 * AroundCircle(angle, 2.5, FlameSeed) +
                      0.3 * std::pow(AroundCircle(angle, 7.0, FlameSeed + 1), 3.0);
  const double turbulence = 0.18 * (FractalNoise(x / 9.0, y / 9.0, FlameSeed + 2, 3) - 0.5);
  const double t = r / edge + turbulence;
  Rgba colour;
  if (t < 1.0) {
    colour = FlameColour(Clamp01(t));
    colour.a = 1.0 - SmoothStep(0.82, 1.0, t);
  }
  // The shock ring of the water, pale aqua.
  const double ring = std::exp(-std::pow((r - 0.9) / 0.045, 2.0)) * 0.7;
  const Rgba shock{0.75, 0.97, 1.0, ring};
  return Over(colour, shock);
}

void DrawEscapingBubbles(QPainter& painter) {
  Random random(DebrisSeed);
  constexpr int Bubbles = 16;
  for (int i = 0; i < Bubbles; ++i) {
    const double angle = random.Range(0.0, 2.0 * std::numbers::pi);
    const double reach = random.Range(0.62, 0.95);
    const QPointF at(BlastWidth / 2.0 + std::cos(angle) * reach * 46.0,
                     BlastHeight / 2.0 + std::sin(angle) * reach * 34.0);
    DrawBubble(painter, at, random.Range(1.8, 4.2));
  }
}

QPainterPath RibbonTail(double x, double direction) {
  // A tail behind the banner's end, notched like a swallow's tail.
  QPainterPath tail;
  tail.moveTo(x, 12.0);
  tail.lineTo(x + direction * 26.0, 12.0);
  tail.lineTo(x + direction * 18.0, 26.0);
  tail.lineTo(x + direction * 26.0, 40.0);
  tail.lineTo(x, 40.0);
  tail.closeSubpath();
  return tail;
}

}  // namespace

QImage Explosion() {
  QImage blast = ShadedImage(BlastWidth, BlastHeight, BlastSamples, BlastShade);
  {
    QPainter painter(&blast);
    DrawEscapingBubbles(painter);
  }
  return WithoutNeutralGreys(blast);
}

QImage LevelUpBanner() {
  QImage banner = BlankImage(BannerWidth, BannerHeight);
  {
    QPainter painter(&banner);
    Smooth(painter);
    const QColor outline{60, 14, 20};
    painter.setPen(QPen(outline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette::Coral.darker(150));
    painter.drawPath(RibbonTail(24.0, -1.0));
    painter.drawPath(RibbonTail(BannerWidth - 24.0, 1.0));
    const QRectF band(16.0, 4.0, BannerWidth - 32.0, 32.0);
    QLinearGradient cloth(band.topLeft(), band.bottomLeft());
    cloth.setColorAt(0.0, palette::Coral.lighter(125));
    cloth.setColorAt(0.5, palette::Coral);
    cloth.setColorAt(1.0, palette::Coral.darker(135));
    painter.setBrush(cloth);
    painter.drawRoundedRect(band, 6.0, 6.0);
    painter.setPen(QPen(QColor(255, 214, 190, 170), 1.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(band.adjusted(3.0, 3.0, -3.0, -3.0), 4.0, 4.0);

    const QPainterPath words = CentredText("LEVEL UP!", 21.0, band.center() + QPointF(0.0, 0.5));
    painter.setPen(QPen(QColor(50, 12, 16), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(words);
    QLinearGradient gold(0, band.top() + 6.0, 0, band.bottom() - 6.0);
    gold.setColorAt(0.0, QColor(255, 252, 214));
    gold.setColorAt(0.5, palette::Gold);
    gold.setColorAt(1.0, QColor(236, 150, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawPath(words);
  }
  return WithoutNeutralGreys(banner);
}

}  // namespace marlquin::assetgen
