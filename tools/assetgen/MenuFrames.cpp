// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainterPath>

#include "FrameParts.h"
#include "FramePictures.h"
#include "Lettering.h"
#include "Paint.h"
#include "Palette.h"

namespace marlquin::assetgen {
namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr double BorderWidth = 14.0;
constexpr double BorderRadius = 30.0;

// Menu: the version line at (450, 105); buttons at x 320..470, y 200..420; the loading
// line at (260, 200).
constexpr QRectF VersionPlaque{443.0, 101.0, 94.0, 26.0};
constexpr QRectF ButtonGlass{248.0, 182.0, 304.0, 258.0};

// High scores: rows at y 225 + 22 i in columns at x 250, 353 and 410.
constexpr QRectF TableGlass{196.0, 160.0, 408.0, 190.0};
constexpr double FirstRowTop = 223.0;
constexpr double RowPitch = 22.0;
constexpr double RowHeight = 21.0;
constexpr int Rows = 5;
constexpr double RankColumn = 226.0;
constexpr double NameColumn = 250.0;
constexpr double ScoreColumn = 353.0;
constexpr double DateColumn = 410.0;
constexpr double HeadingLine = 196.0;
// The rows end where the trophy shell stands.
constexpr double StripeRight = 512.0;
constexpr QPointF TrophyBase{560.0, 318.0};

// A porthole-like border around the whole window, clear inside.
QImage BorderedFrame() {
  QImage frame = PanelMaterial(Width, Height);
  QPainterPath opening;
  opening.addRoundedRect(
      QRectF(BorderWidth, BorderWidth, Width - 2 * BorderWidth, Height - 2 * BorderWidth),
      BorderRadius, BorderRadius);
  {
    QPainter painter(&frame);
    DrawOpeningRim(painter, opening, 5.0);
  }
  CutOut(frame, opening);
  QPainter painter(&frame);
  for (const QPointF corner : {QPointF(7.0, 7.0), QPointF(Width - 7.0, 7.0),
                               QPointF(7.0, Height - 7.0), QPointF(Width - 7.0, Height - 7.0)}) {
    DrawBolt(painter, corner, 3.5);
  }
  for (double x = 100.0; x < Width - 50.0; x += 100.0) {
    DrawBolt(painter, {x, 7.0}, 2.6);
    DrawBolt(painter, {x, Height - 7.0}, 2.6);
  }
  return frame;
}

void DrawBubbleCluster(QPainter& painter, QPointF at) {
  DrawBubble(painter, at, 7.0);
  DrawBubble(painter, at + QPointF(9.0, -16.0), 4.5);
  DrawBubble(painter, at + QPointF(2.0, -29.0), 3.0);
}

QColor MedalColour(int rank) {
  switch (rank) {
    case 1:
      return palette::Gold;
    case 2:
      return QColor(206, 220, 232);
    case 3:
      return QColor(214, 140, 80);
    default:
      return QColor(120, 200, 214);
  }
}

void DrawRankMedal(QPainter& painter, int rank, QPointF centre) {
  painter.drawImage(QPointF(centre.x() - 10.0, centre.y() - 10.0),
                    OrbImage(20, 20, {10.0, 10.0}, 9.0, MedalColour(rank)));
  painter.save();
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  painter.drawPath(CentredText(QString::number(rank), 11.0, centre + QPointF(0.0, 1.0)));
  painter.setBrush(QColor(30, 30, 10));
  painter.drawPath(CentredText(QString::number(rank), 11.0, centre));
  painter.restore();
}

void DrawTable(QPainter& painter) {
  DrawFrostedGlass(painter, TableGlass, 18.0, 238);
  painter.save();
  Smooth(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::LabelDeep);
  for (const auto& [text, x] :
       {std::pair{"NAME", NameColumn}, {"SCORE", ScoreColumn}, {"DATE", DateColumn}}) {
    painter.drawPath(LeftAlignedText(text, 12.0, x + 2.0, HeadingLine));
  }
  painter.drawPath(CentredText("#", 12.0, {RankColumn, HeadingLine}));
  painter.setPen(QPen(WithAlpha(palette::LabelDeep, 140), 1.5));
  painter.drawLine(QPointF(TableGlass.left() + 14.0, 211.5), QPointF(StripeRight, 211.5));
  painter.setPen(Qt::NoPen);
  for (int row = 0; row < Rows; row += 2) {
    painter.setBrush(QColor(30, 110, 140, 26));
    painter.drawRoundedRect(QRectF(TableGlass.left() + 10.0, FirstRowTop + row * RowPitch,
                                   StripeRight - TableGlass.left() - 10.0, RowHeight),
                            6.0, 6.0);
  }
  painter.restore();
  for (int row = 0; row < Rows; ++row) {
    DrawRankMedal(painter, row + 1, {RankColumn, FirstRowTop + row * RowPitch + RowHeight / 2.0});
  }
}

// A golden scallop shell, the trophy of the table.
void DrawTrophyShell(QPainter& painter, QPointF base) {
  constexpr int Ribs = 7;
  painter.save();
  Smooth(painter);
  QPainterPath shell;
  shell.moveTo(base);
  shell.cubicTo(base + QPointF(-38.0, -10.0), base + QPointF(-30.0, -56.0),
                base + QPointF(0.0, -56.0));
  shell.cubicTo(base + QPointF(30.0, -56.0), base + QPointF(38.0, -10.0), base);
  QRadialGradient gold(base + QPointF(-8.0, -44.0), 56.0);
  gold.setColorAt(0.0, palette::BrassLight);
  gold.setColorAt(0.5, palette::Gold);
  gold.setColorAt(1.0, palette::BrassDark);
  painter.setPen(QPen(palette::BrassDark, 1.5));
  painter.setBrush(gold);
  painter.drawPath(shell);
  painter.setPen(QPen(WithAlpha(palette::BrassDark, 160), 1.3));
  for (int i = 1; i < Ribs; ++i) {
    const double x = -31.0 + i * 62.0 / Ribs;
    painter.drawLine(base, base + QPointF(x, -47.0 + std::abs(x) * 0.3));
  }
  painter.setBrush(gold);
  painter.setPen(QPen(palette::BrassDark, 1.5));
  painter.drawRoundedRect(QRectF(base.x() - 10.0, base.y() - 4.0, 20.0, 9.0), 3.0, 3.0);
  painter.restore();
}

}  // namespace

QImage MenuFrame() {
  QImage frame = BorderedFrame();
  QPainter painter(&frame);
  DrawTitle(painter, "MARLQUIN", 78.0, {400.0, 58.0});
  DrawBubbleCluster(painter, {162.0, 92.0});
  DrawBubbleCluster(painter, {636.0, 86.0});
  DrawPlaque(painter, VersionPlaque, 8.0);
  DrawFrostedGlass(painter, ButtonGlass, 20.0, 150);
  return frame;
}

QImage HighScoreFrame() {
  QImage frame = BorderedFrame();
  QPainter painter(&frame);
  DrawTitle(painter, "HIGH SCORES", 56.0, {400.0, 82.0});
  DrawBubbleCluster(painter, {128.0, 110.0});
  DrawBubbleCluster(painter, {668.0, 104.0});
  DrawTable(painter);
  DrawTrophyShell(painter, TrophyBase);
  return frame;
}

}  // namespace marlquin::assetgen
