#include "shell/ShownFrame.h"

#include <cstdint>
#include <cstring>

namespace marlquin {
namespace {

// Changed rows closer than this share one band: fewer, larger rectangles cost the
// display less than many thin ones.
constexpr int BandGap = 16;
// Pixels compared at once while looking for the edges of a change.
constexpr int Block = 16;

const uint32_t* Row(const QImage& image, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y));
}

bool Same(const uint32_t* a, const uint32_t* b, int pixels) {
  return std::memcmp(a, b, static_cast<size_t>(pixels) * sizeof(uint32_t)) == 0;
}

// The first pixel in [from, to) where the rows differ, or to.
int FirstDifference(const uint32_t* a, const uint32_t* b, int from, int to) {
  int x = from;
  while (x + Block <= to && Same(a + x, b + x, Block)) x += Block;
  while (x < to && a[x] == b[x]) ++x;
  return x;
}

// The last pixel in (from, to] where the rows differ, or from.
int LastDifference(const uint32_t* a, const uint32_t* b, int from, int to) {
  int x = to;
  while (x - Block >= from && Same(a + x - Block + 1, b + x - Block + 1, Block)) x -= Block;
  while (x > from && a[x] == b[x]) --x;
  return x;
}

// The bands of changed rows inside area, copying each change into shown.
QRegion TakeArea(const QImage& frame, QImage& shown, const QRect& area) {
  QRegion changed;
  QRect band;
  const int left = area.left(), right = area.right();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const uint32_t* fresh = Row(frame, y);
    auto* old = reinterpret_cast<uint32_t*>(shown.scanLine(y));
    if (Same(fresh + left, old + left, right - left + 1)) continue;

    if (!band.isNull() && y - band.bottom() > BandGap) {
      changed += band;
      band = QRect();
    }
    // Only the part of the row outside the band's columns can widen it.
    const int first = FirstDifference(fresh, old, left, band.isNull() ? right + 1 : band.left());
    const int last = LastDifference(fresh, old, band.isNull() ? left - 1 : band.right(), right);
    band = band.isNull() ? QRect(QPoint(first, y), QPoint(last, y))
                         : QRect(QPoint(first, band.top()), QPoint(last, y));
    std::memcpy(old + first, fresh + first, static_cast<size_t>(last - first + 1) * sizeof(uint32_t));
  }
  if (!band.isNull()) changed += band;
  return changed;
}

}  // namespace

QRegion ShownFrame::Take(const QImage& frame, const QRegion& within) {
  if (shown_.size() != frame.size()) {
    shown_ = QImage(frame.size(), QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
      std::memcpy(shown_.scanLine(y), Row(frame, y), static_cast<size_t>(frame.width()) * 4);
    }
    return QRegion(shown_.rect());
  }
  QRegion changed;
  for (const QRect& area : within.intersected(shown_.rect())) changed += TakeArea(frame, shown_, area);
  return changed;
}

}  // namespace marlquin
