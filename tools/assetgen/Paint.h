// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by all pictures: per-pixel shading with supersampling for smooth
// 3-D forms, soft shadows and glows, and a few colour sums.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace marlquin::assetgen {

// A colour with straight alpha, each part 0..1, for per-pixel shading.
struct Rgba {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
};

Rgba ToRgba(const QColor& colour);
Rgba Mix(const Rgba& from, const Rgba& to, double t);
// Straight-alpha compositing of top over bottom.
Rgba Over(const Rgba& top, const Rgba& bottom);
Rgba Scaled(const Rgba& colour, double factor);

double Clamp01(double value);
double SmoothStep(double edge0, double edge1, double value);

// The same colour at another alpha (0..255).
QColor WithAlpha(QColor colour, int alpha);

// A transparent picture in the premultiplied format that QPainter draws on fastest.
QImage BlankImage(int width, int height);

using Shader = std::function<Rgba(double x, double y)>;

// Each pixel becomes the average of samples x samples evaluations of shader inside it,
// which smooths the edges of shapes the shader draws hard.
QImage ShadedImage(int width, int height, int samples, const Shader& shader);

// A painter with smooth edges, for everything drawn with QPainter.
void Smooth(QPainter& painter);

// The picture's shape filled with one colour, blurred by radius (three box passes).
QImage SoftSilhouette(const QImage& picture, const QColor& colour, int radius);

// Draws picture with a blurred shadow of its shape behind it, offset by (dx, dy).
void DrawWithShadow(QPainter& painter, const QImage& picture, QPoint at, int dx, int dy, int radius,
                    const QColor& shadow);

// Opacity fades of the game leave pixels whose red, green and blue are equal at full
// strength; moving those one step off grey lets a fading picture fade evenly.
QImage WithoutNeutralGreys(const QImage& picture);

// A glossy sphere of the colour, lit from the upper left, with a faint bounce light from
// below and a darker edge that keeps neighbouring spheres apart.
QImage OrbImage(int width, int height, QPointF centre, double radius, const QColor& colour);

// The bright window reflection on the upper left of a sphere, drawn over its contents.
void DrawGloss(QPainter& painter, QPointF centre, double radius, double strength = 1.0);

}  // namespace marlquin::assetgen
