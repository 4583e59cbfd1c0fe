// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The building blocks of the three screen frames: the teal panel material, aqua-rimmed
// openings onto the sea, light plaques behind the game's text, dark recesses behind its
// controls, brass bolts and embossed lettering.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace marlquin::assetgen {

// An opaque width x height sheet of mottled teal panel material, lighter at the top.
QImage PanelMaterial(int width, int height);

// Makes the shape fully transparent, so the sea shows through it.
void CutOut(QImage& frame, const QPainterPath& shape);

// A metallic aqua rim of the given width around the outside of an opening.
void DrawOpeningRim(QPainter& painter, const QPainterPath& opening, double width);

// A raised light plaque on which the game's dark text reads well.
void DrawPlaque(QPainter& painter, const QRectF& area, double radius);
// A sunken dark panel that the game's light controls stand out from.
void DrawRecess(QPainter& painter, const QRectF& area, double radius);
// A translucent frosted-glass panel over the sea, light enough for dark text.
void DrawFrostedGlass(QPainter& painter, const QRectF& area, double radius, int opacity);

void DrawBolt(QPainter& painter, QPointF centre, double radius);
// A brass ring of the given width around a circle.
void DrawBrassRing(QPainter& painter, QPointF centre, double radius, double width);

// Light capitals with a dark shadow below, as if stamped into the panel.
void DrawLabel(QPainter& painter, const QString& text, double pixelSize, QPointF centre);

// Large title lettering: a sunlit gradient from foam to aqua inside a deep outline,
// with a soft shadow, centred on the point.
void DrawTitle(QPainter& painter, const QString& text, double pixelSize, QPointF centre);

// Small air bubbles for decoration.
void DrawBubble(QPainter& painter, QPointF centre, double radius);

}  // namespace marlquin::assetgen
