// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's only way to put pixels on the screen: an 800 x 600 back buffer that every
// screen paints in full each tick, image blits with a colour key and a constant opacity,
// stretched and rotated pictures, text in a current font and colour, lines and fills.
// Images and brushes are numbered handles; 0 is "nothing" and draws nothing.
// The calls of a frame are kept until Present, which paints them only where they differ
// from the last frame's calls (FrameDamage): the buffer then holds exactly what painting
// every call would give, and it changes at no other time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graphics/ColorKey.h"

class QImage;
class QRegion;

namespace marlquin {

using ImageHandle = int32_t;
using BrushHandle = int32_t;

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

enum FontStyle : int32_t { Regular = 0, Bold = 1, Italic = 2, Underline = 4, Strikeout = 8 };

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

void SetFont(const std::string& family, float points, int32_t style);
// The installed family SetFont uses for a requested name, ignoring case; a family the
// game asks for but the system lacks is stood in for by the face bundled in res/fonts.
std::optional<std::string> ChooseFontFamily(const std::string& requested,
                                            const std::vector<std::string>& installed);
// Text colour ARGB (alpha c4, red c3, green c2, blue c1).
void SetTextColor(int c1, int c2, int c3, int c4);
// Left-aligned at the layout box's top-left; CR LF or LF starts a new line; no wrapping.
void DrawText(int16_t x, int16_t y, const std::string& text);

// ARGB (alpha a1, red a4, green a3, blue a2).
uint32_t MakeColor(int a1, int a2, int a3, int a4);
// Solid brush of ARGB (alpha p4, red p3, green p2, blue p1).
BrushHandle MakeBrush(int p1, int p2, int p3, int p4);
// Linear blend from color1 at (x1, y1) to color2 at (x2, y2), mirrored beyond both ends.
BrushHandle MakeGradientBrush(float x1, float y1, float x2, float y2, uint32_t color1,
                              uint32_t color2);
void DeleteBrush(BrushHandle brush);
void FillRect(int32_t x, int32_t y, int16_t w, int16_t h, BrushHandle brush);
// Flat ends that stop exactly at the two points.
void DrawLine(uint32_t color, float width, float x1, float y1, float x2, float y2);

// The default face sheet of the text buttons, loaded by InitGraphics.
ImageHandle ButtonFace();

// For tests and developer tools: the back buffer with every call so far painted.
const QImage* BackBuffer();
uint32_t BackBufferPixel(int x, int y);  // unpremultiplied ARGB
// For tests: paints the last frame's calls again over the whole buffer, reusing nothing, to
// compare with what painting only the changed area gave.
void RedrawWholeFrame();

}  // namespace marlquin
