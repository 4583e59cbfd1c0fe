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

// How a picture will be drawn, which decides the form its pixels are kept in.
enum class PictureUse {
  Plain,  // only unscaled, without a colour key or opacity (cached images)
  Any,
};

// The pixels once, split for plain blits into the parts that need blending and the opaque
// parts, which are copied row by row (an opaque pixel has the same bits whether its alpha
// is premultiplied or not); see-through parts are skipped. Drawn together the parts give
// exactly the pixels of one blend of the whole picture.
struct Picture {
  // Premultiplied, the back buffer's own format, for a picture drawn only plainly, and for
  // one without partly see-through pixels: it then holds all there is to know (a key or an
  // opacity leaves see-through pixels see-through whatever their colour). Otherwise straight,
  // as colour keys and opacity need the colours unblended; the painter blends straight
  // pixels exactly as premultiplied ones, but smooths them differently.
  QImage pixels;
  // Premultiplied pixels for the painter's smoothing (scaling, turning) where pixels are
  // straight, made when the picture is first drawn smoothed.
  QImage smoothed;
  std::vector<QRect> copied;
  QRegion copiedArea;  // the copied parts together
  std::vector<QRect> blended;

  explicit Picture(QImage decoded, PictureUse use = PictureUse::Any);
  // Every pixel opaque: drawn plainly, it hides all that was beneath.
  bool Opaque() const;
};

// The source rectangle of the picture with its top-left corner at "at", unscaled, as far
// as it falls inside "within".
void Blit(QPainter& painter, const Picture& picture, QPoint at, const QRect& source,
          const QRect& within);

// The source rectangle of the picture, premultiplied, as the painter's smoothing needs it.
QImage ForSmoothing(Picture& picture, const QRect& source);

// The picture with the colour key made transparent and the alpha of every non-grey pixel
// scaled by alpha (greys keep their own), cut to source; premultiplied. From a picture kept
// premultiplied for plain drawing only, partly see-through pixels may come out a level off.
QImage Tinted(const Picture& picture, const QRect& source, float alpha, uint32_t key);

}  // namespace marlquin
