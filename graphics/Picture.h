// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A decoded picture as the drawing layer keeps it, and the ways one is put on the back
// buffer unscaled.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "graphics/ColorKey.h"

namespace marlquin {

// The straight-alpha pixels for colour keys and opacity, the premultiplied copy for
// blending, and for plain blits the picture split into the parts that need blending and
// the opaque parts, which are copied from an RGB32 twin (the painter copies those line by
// line); see-through parts are skipped. Drawn together the parts give exactly the pixels of
// one blend of the whole picture. A picture drawn with a colour key keeps its keyed copy,
// made on first use.
struct Picture {
  QImage straight;
  QImage premultiplied;
  QImage opaque;
  std::vector<QRect> copied;
  QRegion copiedArea;  // the copied parts together
  std::vector<QRect> blended;
  QImage keyed;
  uint32_t keyedWith = NoColorKey;

  explicit Picture(const QImage& decoded);
  // Every pixel opaque: drawn plainly, it hides all that was beneath.
  bool Opaque() const;
};

// The source rectangle of the picture with its top-left corner at "at", unscaled, as far
// as it falls inside "within".
void Blit(QPainter& painter, const Picture& picture, QPoint at, const QRect& source,
          const QRect& within);

// The picture with the colour key made transparent and the alpha of every non-grey pixel
// scaled by alpha (greys keep their own), cut to source; premultiplied.
QImage Tinted(const Picture& picture, const QRect& source, float alpha, uint32_t key);

// The picture made transparent where it has the key colour, kept until another key comes.
const QImage& KeyedCopy(Picture& picture, uint32_t key);

}  // namespace marlquin
