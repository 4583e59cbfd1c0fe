// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/X11FramePutter.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace marlquin {
namespace {

constexpr uint8_t WindowDepth = 24;
constexpr uint8_t PixelBits = 32;

// Frees what an xcb reply call returns.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The server's pixels for the window are the frame's own: 0x00RRGGBB words, least
// significant byte first.
bool LaidOutAsFrames(xcb_connection_t* connection, uint32_t window) {
  if constexpr (std::endian::native != std::endian::little) return false;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  bool pixelsOf32Bits = false;
  for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
       xcb_format_next(&formats)) {
    if (formats.data->depth == WindowDepth)
      pixelsOf32Bits = formats.data->bits_per_pixel == PixelBits;
  }
  const ReplyPtr<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
      connection, xcb_get_window_attributes(connection, window), nullptr));
  if (!pixelsOf32Bits || !geometry || !attributes || geometry->depth != WindowDepth) return false;
  for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
    for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
         xcb_depth_next(&depths)) {
      for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
           xcb_visualtype_next(&visuals)) {
        const xcb_visualtype_t& visual = *visuals.data;
        if (visual.visual_id != attributes->visual) continue;
        return visual._class == XCB_VISUAL_CLASS_TRUE_COLOR && visual.red_mask == 0xFF0000 &&
               visual.green_mask == 0x00FF00 && visual.blue_mask == 0x0000FF;
      }
    }
  }
  return false;
}

}  // namespace

std::unique_ptr<X11FramePutter> X11FramePutter::For(QWidget& widget) {
  // Other platforms may offer an X11 connection too (offscreen does); only xcb shows its
  // windows through it.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != "xcb" || x11 == nullptr || !x11->connection()) {
    return nullptr;
  }
  const auto window = static_cast<uint32_t>(widget.window()->winId());
  if (!LaidOutAsFrames(x11->connection(), window)) return nullptr;
  return std::unique_ptr<X11FramePutter>(new X11FramePutter(x11->connection(), window));
}

X11FramePutter::X11FramePutter(xcb_connection_t* connection, uint32_t window)
    : connection_(connection), window_(window), gc_(xcb_generate_id(connection)) {
  // No exposure events: the window's repaints come from Qt.
  const uint32_t noExposures = 0;
  xcb_create_gc(connection_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
}

X11FramePutter::~X11FramePutter() { xcb_free_gc(connection_, gc_); }

void X11FramePutter::Put(const QImage& frame, const QRegion& areas, QPoint at, qreal scale) {
  const QPoint origin = (QPointF(at) * scale).toPoint();
  if (scale == 1) {
    for (const QRect& area : areas) PutPixels(frame, area, origin + area.topLeft());
  } else {
    // As Qt paints the frame at this scale, only the device pixels the area reaches; each is
    // the same whatever else is drawn beside it.
    const QRect picture(QPoint(0, 0), (QSizeF(frame.size()) * scale).toSize());
    for (const QRect& area : areas) {
      const QRect reached =
          QRectF(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale).toAlignedRect() &
          picture;
      if (scaled_.size() != reached.size()) scaled_ = QImage(reached.size(), frame.format());
      QPainter painter(&scaled_);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.translate(-reached.topLeft());
      painter.scale(scale, scale);
      painter.drawImage(0, 0, frame);
      painter.end();
      PutPixels(scaled_, scaled_.rect(), origin + reached.topLeft());
    }
  }
  xcb_flush(connection_);
}

void X11FramePutter::PutPixels(const QImage& image, const QRect& area, QPoint to) {
  constexpr uint32_t RequestHeaderBytes = 24 + 4;  // a put's fields, and a big request's length
  const uint32_t mostBytes = xcb_get_maximum_request_length(connection_) * 4 - RequestHeaderBytes;
  const auto width = static_cast<size_t>(area.width());
  const int rowsPerRequest = std::max(1, static_cast<int>(mostBytes / (width * 4)));
  // Whole rows lie back to back in the image already (an area drawn at the window's scale);
  // a part of each row is copied out first.
  const bool wholeRows =
      area.left() == 0 && image.bytesPerLine() == static_cast<qsizetype>(width * 4);
  for (int top = area.top(); top <= area.bottom(); top += rowsPerRequest) {
    const int rows = std::min(rowsPerRequest, area.bottom() + 1 - top);
    const auto bytes = static_cast<uint32_t>(width * 4 * static_cast<size_t>(rows));
    const uint8_t* pixels = image.constScanLine(top);
    if (!wholeRows) {
      rows_.resize(width * static_cast<size_t>(rows));
      for (int row = 0; row < rows; ++row) {
        std::memcpy(&rows_[width * static_cast<size_t>(row)],
                    image.constScanLine(top + row) + area.left() * 4, width * 4);
      }
      pixels = reinterpret_cast<const uint8_t*>(rows_.data());
    }
    xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_,
                  static_cast<uint16_t>(width), static_cast<uint16_t>(rows),
                  static_cast<int16_t>(to.x()), static_cast<int16_t>(to.y() + top - area.top()), 0,
                  WindowDepth, bytes, pixels);
  }
}

}  // namespace marlquin
