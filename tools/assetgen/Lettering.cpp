// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lettering.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace marlquin::assetgen {
namespace {

QString& Family() {
  static QString family;
  return family;
}

QPainterPath TextAt(const QString& text, double pixelSize, QPointF baseline) {
  QPainterPath path;
  path.addText(baseline, HeavyFont(pixelSize), text);
  return path;
}

}  // namespace

bool UseFontFile(const QString& path) {
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return false;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return false;
  // The file may announce both its family ("Lato") and its face ("Lato Black"); the face
  // name cannot be mistaken for a lighter installed weight.
  Family() = families.first();
  for (const QString& family : families) {
    if (family.contains("Black", Qt::CaseInsensitive)) Family() = family;
  }
  return true;
}

QFont HeavyFont(double pixelSize) {
  QFont font;
  if (!Family().isEmpty()) font.setFamily(Family());
  font.setWeight(QFont::Black);
  font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath CentredText(const QString& text, double pixelSize, QPointF centre) {
  const QFontMetricsF metrics(HeavyFont(pixelSize));
  const double width = metrics.horizontalAdvance(text);
  return TextAt(text, pixelSize,
                {centre.x() - width / 2.0, centre.y() + metrics.capHeight() / 2.0});
}

QPainterPath LeftAlignedText(const QString& text, double pixelSize, double x, double y) {
  const QFontMetricsF metrics(HeavyFont(pixelSize));
  return TextAt(text, pixelSize, {x, y + metrics.capHeight() / 2.0});
}

}  // namespace marlquin::assetgen
