// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Waits for a program's first frame, as the X server sees it: the first drawing into the
// window with the given title after which a sample point of the window is no longer
// black (the window shows black until its first frame is presented). Prints "ready" once
// it watches, so that the program can be started, then "frame SECONDS" with the time of
// that drawing in seconds since the epoch.
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "bench/live/DamageConnection.h"

namespace {

double EpochSeconds() {
  return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::string Title(xcb_connection_t* connection, xcb_window_t window) {
  Reply<xcb_get_property_reply_t> name(xcb_get_property_reply(
      connection,
      xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
      nullptr));
  if (!name) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                     xcb_get_property_value_length(name.get()));
}

bool ShowsBlack(xcb_connection_t* connection, xcb_window_t window, int16_t x, int16_t y) {
  Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
      connection, xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, 1, 1, ~0u),
      nullptr));
  if (!image) return true;
  const uint8_t* pixel = xcb_get_image_data(image.get());
  const int length = xcb_get_image_data_length(image.get());
  for (int i = 0; i < length && i < 3; ++i) {
    if (pixel[i] != 0) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s TITLE SECONDS X Y\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  const double seconds = std::strtod(argv[2], nullptr);
  const auto sampleX = static_cast<int16_t>(std::atoi(argv[3]));
  const auto sampleY = static_cast<int16_t>(std::atoi(argv[4]));

  xcb_connection_t* connection = ConnectWithDamage();
  if (connection == nullptr) return 1;
  const uint8_t damageNotify = DamageNotifyType(connection);
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
  std::printf("ready\n");
  std::fflush(stdout);

  xcb_window_t window = XCB_NONE;
  const Watch watched = WatchEvents(connection, seconds, [&](const xcb_generic_event_t& event) {
    const double arrived = EpochSeconds();
    const uint8_t type = event.response_type & 0x7F;
    if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
      const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
      if (Title(connection, map.window) != title) return Watch::Continue;
      window = map.window;
      xcb_damage_create(connection, xcb_generate_id(connection), window,
                        XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      xcb_flush(connection);
    } else if (type == damageNotify && window != XCB_NONE &&
               !ShowsBlack(connection, window, sampleX, sampleY)) {
      std::printf("frame %.6f\n", arrived);
      return Watch::Done;
    }
    return Watch::Continue;
  });
  xcb_disconnect(connection);
  if (watched == Watch::Done) return 0;
  if (watched == Watch::Lost) return 1;
  std::fprintf(stderr, "no frame of \"%s\" within %g s\n", title.c_str(), seconds);
  return 1;
}
