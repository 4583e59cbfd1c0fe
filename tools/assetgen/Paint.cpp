// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace marlquin::assetgen {
namespace {

// One box-blur pass along rows (horizontal) or columns of a premultiplied picture.
void BoxPass(QImage& image, int radius, bool horizontal) {
  const int width = image.width(), height = image.height();
  const int lines = horizontal ? height : width;
  const int length = horizontal ? width : height;
  std::vector<int> sums(static_cast<size_t>(length + 1) * 4);
  for (int line = 0; line < lines; ++line) {
    auto pixel = [&](int i) -> QRgb& {
      const int x = horizontal ? i : line, y = horizontal ? line : i;
      return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
    };
    for (int i = 0; i < length; ++i) {
      const QRgb p = pixel(i);
      const int parts[4] = {qAlpha(p), qRed(p), qGreen(p), qBlue(p)};
      for (int c = 0; c < 4; ++c) sums[(i + 1) * 4 + c] = sums[i * 4 + c] + parts[c];
    }
    for (int i = 0; i < length; ++i) {
      const int lo = std::max(0, i - radius), hi = std::min(length, i + radius + 1);
      const int span = 2 * radius + 1;  // pixels beyond the edge count as transparent
      int out[4];
      for (int c = 0; c < 4; ++c) out[c] = (sums[hi * 4 + c] - sums[lo * 4 + c]) / span;
      pixel(i) = qRgba(out[1], out[2], out[3], out[0]);
    }
  }
}

struct Vector3 {
  double x, y, z;
};

double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Normalised(const Vector3& v) {
  const double length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

const Vector3 KeyLight = Normalised({-0.45, -0.6, 0.68});
const Vector3 BounceLight = Normalised({0.3, 0.8, 0.4});
const Vector3 HalfWay = Normalised({KeyLight.x, KeyLight.y, KeyLight.z + 1.0});

constexpr double Ambient = 0.40;
constexpr double SpecularPower = 60.0;
constexpr int OrbSamples = 4;

Rgba OrbShade(double nx, double ny, const Rgba& base) {
  const double d2 = nx * nx + ny * ny;
  if (d2 >= 1.0) return {};
  const Vector3 normal{nx, ny, std::sqrt(1.0 - d2)};
  // Wrapped diffuse light: glass-like orbs never go fully dark on their shaded side.
  const double wrapped = Clamp01((Dot(normal, KeyLight) + 0.3) / 1.3);
  Rgba colour = Scaled(base, Ambient + (1.0 - Ambient) * std::pow(wrapped, 1.1));
  const double bounce = std::pow(std::max(0.0, Dot(normal, BounceLight)), 2.0) * 0.35;
  colour = Mix(colour, Mix(base, Rgba{1, 1, 1, 1}, 0.35), bounce);
  const double edge = SmoothStep(0.80, 1.0, std::sqrt(d2));
  colour = Mix(colour, Scaled(base, 0.42), edge * 0.65);
  const double specular = std::pow(std::max(0.0, Dot(normal, HalfWay)), SpecularPower);
  colour = Mix(colour, Rgba{1, 1, 1, 1}, specular * 0.9);
  colour.a = 1.0;
  return colour;
}

}  // namespace

Rgba ToRgba(const QColor& colour) {
  return {colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF()};
}

Rgba Mix(const Rgba& from, const Rgba& to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Rgba Over(const Rgba& top, const Rgba& bottom) {
  const double a = top.a + bottom.a * (1.0 - top.a);
  if (a <= 0.0) return {};
  auto part = [&](double t, double b) { return (t * top.a + b * bottom.a * (1.0 - top.a)) / a; };
  return {part(top.r, bottom.r), part(top.g, bottom.g), part(top.b, bottom.b), a};
}

Rgba Scaled(const Rgba& colour, double factor) {
  return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a};
}

double Clamp01(double value) { return std::clamp(value, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double value) {
  const double t = Clamp01((value - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

QColor WithAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

QImage BlankImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage ShadedImage(int width, int height, int samples, const Shader& shader) {
  QImage image = BlankImage(width, height);
  const double step = 1.0 / samples;
  const double count = samples * samples;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      // Averaged premultiplied, so that transparent samples do not darken edges.
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const Rgba c = shader(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
          const double alpha = Clamp01(c.a);
          r += Clamp01(c.r) * alpha;
          g += Clamp01(c.g) * alpha;
          b += Clamp01(c.b) * alpha;
          a += alpha;
        }
      }
      auto byte = [&](double v) { return static_cast<int>(std::lround(v / count * 255.0)); };
      line[x] = qRgba(byte(r), byte(g), byte(b), byte(a));
    }
  }
  return image;
}

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage SoftSilhouette(const QImage& picture, const QColor& colour, int radius) {
  QImage shape = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter painter(&shape);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), colour);
  }
  for (int pass = 0; pass < 3 && radius > 0; ++pass) {
    BoxPass(shape, radius, true);
    BoxPass(shape, radius, false);
  }
  return shape;
}

void DrawWithShadow(QPainter& painter, const QImage& picture, QPoint at, int dx, int dy, int radius,
                    const QColor& shadow) {
  const int margin = 3 * radius;
  QImage padded = BlankImage(picture.width() + 2 * margin, picture.height() + 2 * margin);
  {
    QPainter inner(&padded);
    inner.drawImage(margin, margin, picture);
  }
  painter.drawImage(at + QPoint(dx - margin, dy - margin), SoftSilhouette(padded, shadow, radius));
  painter.drawImage(at, picture);
}

QImage WithoutNeutralGreys(const QImage& picture) {
  QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < straight.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) {
      const QRgb p = line[x];
      if (qAlpha(p) > 0 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) {
        const int blue = qBlue(p) < 255 ? qBlue(p) + 1 : 254;
        line[x] = qRgba(qRed(p), qGreen(p), blue, qAlpha(p));
      }
    }
  }
  return straight;
}

QImage OrbImage(int width, int height, QPointF centre, double radius, const QColor& colour) {
  const Rgba base = ToRgba(colour);
  return ShadedImage(width, height, OrbSamples, [&](double x, double y) {
    return OrbShade((x - centre.x()) / radius, (y - centre.y()) / radius, base);
  });
}

void DrawGloss(QPainter& painter, QPointF centre, double radius, double strength) {
  painter.save();
  Smooth(painter);
  painter.translate(centre + QPointF(-0.32 * radius, -0.42 * radius));
  painter.rotate(-35.0);
  const QRectF window(-0.42 * radius, -0.24 * radius, 0.84 * radius, 0.48 * radius);
  QRadialGradient light(QPointF(0, -0.05 * radius), 0.45 * radius);
  light.setColorAt(0.0, WithAlpha(Qt::white, static_cast<int>(235 * strength)));
  light.setColorAt(0.6, WithAlpha(Qt::white, static_cast<int>(120 * strength)));
  light.setColorAt(1.0, WithAlpha(Qt::white, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawEllipse(window);
  painter.restore();
}

}  // namespace marlquin::assetgen
