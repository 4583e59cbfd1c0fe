// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's only way to put pixels on the screen: an 800 x 600 back buffer that every
// screen paints in full each tick, image blits with a colour key and a constant opacity,
// stretched and rotated pictures, text in a current font and colour (Text.h), lines and
// fills (Shapes.h). Images and brushes are numbered handles; 0 is "nothing" and draws
// nothing.
// The calls of a frame are kept and painted at Present, only where they differ from the
// last frame's calls (FrameDamage): the buffer then holds exactly what painting every call
// would give. A frame must therefore begin with a call that covers the whole buffer
// opaquely, or all of it is painted every tick. The buffer is painted before Present only
// when a frame reaches 4,096 calls and when a test or tool reads it (DrawingLayerForTests.h).
// ARCHITECTURE.md, "How a frame is drawn", says more.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/ColorKey.h"
#include "graphics/Shapes.h"
#include "graphics/Text.h"

class QImage;
class QRegion;

namespace marlquin {

using ImageHandle = int32_t;

struct Rect32 {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Strictly inside: a point on any edge is outside.
inline bool PointInRect(int16_t x, int16_t y, const Rect32& rect) {
  return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}

struct Point32 {
  int32_t x = 0, y = 0;
};

// Where Present sends each finished frame (the window's picture area).
class PresentTarget {
 public:
  virtual ~PresentTarget() = default;
  // changed: where frame can differ from the frame shown before; all else is the same.
  virtual void ShowFrame(const QImage& frame, const QRegion& changed) = 0;
};

// Starts the layer with a width x height back buffer; false (after the "error 01" box)
// when it cannot start, in which case every later operation draws nothing.
bool InitGraphics(PresentTarget* target, int32_t width, int32_t height);
void Present();

ImageHandle LoadImageFile(const std::string& path);
// A picture to be drawn only plainly (DrawCached), kept premultiplied, the back buffer's own
// format; with a colour key or opacity its partly see-through pixels may come out a level off.
ImageHandle LoadCachedImage(const std::string& path);
void FreeImage(ImageHandle image);

void DrawCached(ImageHandle image, int32_t x, int32_t y);
void DrawImage(ImageHandle image, int32_t x, int32_t y, int32_t w, int32_t h, int32_t srcX,
               int32_t srcY, float alpha, uint32_t key);
void DrawImageRect(ImageHandle image, const Rect32& destination, int32_t srcX, int32_t srcY,
                   float alpha, uint32_t key);
void DrawImageScaled(ImageHandle image, int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t sx,
                     int32_t sy, int32_t sw, int32_t sh, float alpha);
// The whole image mapped onto the parallelogram of its top-left, top-right and
// bottom-left corners.
void DrawImagePoints(ImageHandle image, Point32 topLeft, Point32 topRight, Point32 bottomLeft);

// The default face sheet of the text buttons, loaded by InitGraphics from this file.
inline constexpr char ButtonFaceFile[] = "/res/btnface.png";
ImageHandle ButtonFace();

}  // namespace marlquin
