// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/Picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace marlquin {
namespace {

// Square tiles of this side are sorted into see-through, opaque or mixed.
constexpr int TileSide = 16;
// A see-through or opaque run narrower than this is blended with its neighbours: one more
// drawing call costs about as much as blending that many tiles.
constexpr int ShortestSeparateRun = 8 * TileSide;

enum class Coverage { Clear, Opaque, Mixed };

Coverage TileCoverage(const QImage& image, const QRect& tile) {
  bool clear = true, opaque = true;
  for (int y = tile.top(); y <= tile.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = tile.left(); x <= tile.right(); ++x) {
      const int alpha = qAlpha(line[x]);
      clear = clear && alpha == 0;
      opaque = opaque && alpha == 255;
    }
  }
  return clear ? Coverage::Clear : opaque ? Coverage::Opaque : Coverage::Mixed;
}

// Tiles side by side of one coverage, from x = left to just before right.
struct Run {
  Coverage coverage;
  int left, right;
  bool operator==(const Run&) const = default;
};

std::vector<Run> Joined(const std::vector<Run>& runs) {
  std::vector<Run> joined;
  for (const Run& run : runs) {
    if (!joined.empty() && joined.back().coverage == run.coverage) {
      joined.back().right = run.right;
    } else {
      joined.push_back(run);
    }
  }
  return joined;
}

// What must be drawn of the row of tiles starting at y = top: the see-through runs left
// out, short runs blended with their neighbours.
std::vector<Run> DrawnRuns(const QImage& image, int top) {
  std::vector<Run> tiles;
  for (int left = 0; left < image.width(); left += TileSide) {
    const QRect tile = QRect(left, top, TileSide, TileSide).intersected(image.rect());
    tiles.push_back({TileCoverage(image, tile), left, tile.right() + 1});
  }
  std::vector<Run> runs = Joined(tiles);
  if (runs.size() > 1) {
    for (Run& run : runs) {
      if (run.right - run.left < ShortestSeparateRun) run.coverage = Coverage::Mixed;
    }
  }
  runs = Joined(runs);
  std::erase_if(runs, [](const Run& run) { return run.coverage == Coverage::Clear; });
  return runs;
}

// A row of tiles drawn like the row above extends that row's rectangles downwards.
void SplitIntoParts(Picture& picture) {
  const QImage& image = picture.pixels;
  std::vector<Run> above;
  std::vector<QRect> open;
  auto close = [&] {
    for (size_t i = 0; i < above.size(); ++i) {
      (above[i].coverage == Coverage::Opaque ? picture.copied : picture.blended).push_back(open[i]);
    }
  };
  for (int top = 0; top < image.height(); top += TileSide) {
    const std::vector<Run> runs = DrawnRuns(image, top);
    const int bottom = std::min(top + TileSide, image.height()) - 1;
    if (runs == above) {
      for (QRect& part : open) part.setBottom(bottom);
      continue;
    }
    close();
    above = runs;
    open.clear();
    for (const Run& run : runs) {
      open.emplace_back(QPoint(run.left, top), QPoint(run.right - 1, bottom));
    }
  }
  close();
  for (const QRect& part : picture.copied) picture.copiedArea += part;
}

bool PartlySeeThrough(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 0 && qAlpha(line[x]) != 255) return true;
    }
  }
  return false;
}

bool IsGrey(QRgb pixel) { return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel); }

}  // namespace

// Converted in place, so that a picture the size of the window is not held twice while it
// loads.
Picture::Picture(QImage decoded, PictureUse use) : pixels(std::move(decoded)) {
  pixels.convertTo(QImage::Format_ARGB32);
  if (use == PictureUse::Plain || !PartlySeeThrough(pixels)) {
    pixels.convertTo(QImage::Format_ARGB32_Premultiplied);
  }
  SplitIntoParts(*this);
}

bool Picture::Opaque() const { return copiedArea == QRegion(pixels.rect()); }

void Blit(QPainter& painter, const Picture& picture, QPoint at, const QRect& source,
          const QRect& within) {
  auto& target = static_cast<QImage&>(*painter.device());
  const QPoint offset = at - source.topLeft();
  const QRect shown = source.intersected(within.intersected(target.rect()).translated(-offset));
  if (shown.isEmpty()) return;
  // Opaque pixels replace what is there: the painter would copy them too, with more work
  // around each call than copying the rows.
  for (const QRect& part : picture.copied) {
    const QRect piece = part.intersected(shown);
    const auto rowBytes = static_cast<size_t>(piece.width()) * sizeof(QRgb);
    for (int y = piece.top(); y <= piece.bottom(); ++y) {
      std::memcpy(target.scanLine(y + offset.y()) + (piece.left() + offset.x()) * sizeof(QRgb),
                  picture.pixels.constScanLine(y) + piece.left() * sizeof(QRgb), rowBytes);
    }
  }
  for (const QRect& part : picture.blended) {
    const QRect piece = part.intersected(shown);
    if (!piece.isEmpty()) painter.drawImage(piece.topLeft() + offset, picture.pixels, piece);
  }
}

QImage ForSmoothing(Picture& picture, const QRect& source) {
  constexpr QImage::Format Premultiplied = QImage::Format_ARGB32_Premultiplied;
  if (picture.pixels.format() != Premultiplied && picture.smoothed.isNull()) {
    picture.smoothed = picture.pixels.convertToFormat(Premultiplied);
  }
  const QImage& whole = picture.smoothed.isNull() ? picture.pixels : picture.smoothed;
  return source == whole.rect() ? whole : whole.copy(source);
}

QImage Tinted(const Picture& picture, const QRect& source, float alpha, uint32_t key) {
  QImage part = picture.pixels.copy(source).convertToFormat(QImage::Format_ARGB32);
  const bool keyed = key != NoColorKey;
  const bool faded = alpha != 1.0f;
  const QRgb keyRgb = key & 0x00FFFFFFu;
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x) {
      QRgb& pixel = line[x];
      if (keyed && (pixel & 0x00FFFFFFu) == keyRgb) {
        pixel = 0;
      } else if (faded && !IsGrey(pixel)) {
        const int a = static_cast<int>(std::lround(qAlpha(pixel) * static_cast<double>(alpha)));
        pixel = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), std::clamp(a, 0, 255));
      }
    }
  }
  return part.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace marlquin
