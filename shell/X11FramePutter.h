// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A frame's changed areas sent straight to the window's X11 window. Qt would paint them into
// its buffer shared with the display server first, and before each paint wait for the server
// to finish reading the last one: a round trip every tick. Sent straight, a tick costs less
// than Qt's way without shared memory, while the first frame and every repaint Qt makes
// still go through the shared buffer, which is the fastest way to show a whole window.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace marlquin {

class X11FramePutter {
 public:
  // For the widget's window when its frames can go straight to it: an X11 window of depth
  // 24 with 32-bit pixels laid out as the frame's (red, green, blue in the low three bytes,
  // least significant first). Nothing on Wayland or another display.
  static std::unique_ptr<X11FramePutter> For(QWidget& widget);
  ~X11FramePutter();
  X11FramePutter(const X11FramePutter&) = delete;
  X11FramePutter& operator=(const X11FramePutter&) = delete;

  // Sends the frame's areas to the window, the frame's top-left at "at" in the window, at
  // the window's scale: device pixels per pixel, as Qt scales the frame.
  void Put(const QImage& frame, const QRegion& areas, QPoint at, qreal scale);

 private:
  X11FramePutter(xcb_connection_t* connection, uint32_t window);
  // The image's area, its top-left at "to" in the window's device pixels.
  void PutPixels(const QImage& image, const QRect& area, QPoint to);

  xcb_connection_t* connection_;
  uint32_t window_;
  uint32_t gc_;
  std::vector<uint32_t> rows_;  // part rows back to back, as a request carries them
  QImage scaled_;               // an area at the window's scale
};

}  // namespace marlquin
