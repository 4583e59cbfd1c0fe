// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

#include "graphics/DrawingLayerForTests.h"
#include "graphics/GDIPLUSLib.h"

namespace marlquin::test {

std::string WritePicture(const std::string& path, int w, int h,
                         const std::function<QColor(int x, int y)>& colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.setPixelColor(x, y, colour(x, y));
  }
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

std::string WriteSolidPicture(const std::string& path, int w, int h, QColor colour) {
  return WritePicture(path, w, h, [&](int, int) { return colour; });
}

void ClearTo(uint32_t argb) {
  const BrushHandle brush = MakeBrush(argb & 0xFF, argb >> 8 & 0xFF, argb >> 16 & 0xFF, 255);
  FillRect(0, 0, 800, 600, brush);
  DeleteBrush(brush);
}

// Bounding box of the pixels of area that counts.
template <class Counts>
QRect BoxOf(const QRect& area, Counts counts) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (counts(BackBufferPixel(x, y))) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

QRect InkBox(uint32_t background, const QRect& area) {
  return BoxOf(area, [&](uint32_t pixel) { return pixel != background; });
}

QRect ColourBox(uint32_t colour, const QRect& area) {
  return BoxOf(area, [&](uint32_t pixel) { return pixel == colour; });
}

void ExpectTheWholeFrame(const std::string& what) {
  EXPECT_TRUE(LastFrameStartedClean()) << what << ": no whole-buffer opaque call comes first";
  const QImage painted = BackBuffer()->copy();
  RedrawWholeFrame();
  EXPECT_TRUE(painted == *BackBuffer()) << what << ": painting only what changed differs";
}

}  // namespace marlquin::test
