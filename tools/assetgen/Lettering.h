// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The heavy face used for all lettering in the pictures: the game's own font file when it
// is given, otherwise the heaviest face the system offers.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace marlquin::assetgen {

// Registers the font file; returns false (and keeps the fallback) when it cannot be read.
bool UseFontFile(const QString& path);

QFont HeavyFont(double pixelSize);

// Outline of text set in the heavy face, centred on the point, for fills, strokes and glows.
QPainterPath CentredText(const QString& text, double pixelSize, QPointF centre);
// Outline of text whose left end sits at x and whose capitals are centred on y.
QPainterPath LeftAlignedText(const QString& text, double pixelSize, double x, double y);

}  // namespace marlquin::assetgen
