// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Counts what a window receives from its program, as the X server sees it: the frames
// (bursts of drawing at least a few milliseconds apart) and the pixels drawn, over a
// number of seconds. Prints "frames N pixels P".
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/live/DamageConnection.h"

namespace {

// The drawing of one frame reaches the server within a millisecond or two; ticks are
// 22 ms apart.
constexpr uint32_t FrameGapMilliseconds = 8;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s WINDOW-ID SECONDS\n", argv[0]);
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const double seconds = std::strtod(argv[2], nullptr);

  xcb_connection_t* connection = ConnectWithDamage();
  if (connection == nullptr) return 1;
  const uint8_t damageNotify = DamageNotifyType(connection);
  const xcb_damage_damage_t watch = xcb_generate_id(connection);
  xcb_damage_create(connection, watch, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
  xcb_flush(connection);

  long frames = 0;
  long long pixels = 0;
  bool seen = false;
  uint32_t last = 0;
  const Watch watched = WatchEvents(connection, seconds, [&](const xcb_generic_event_t& event) {
    if ((event.response_type & 0x7F) != damageNotify) return Watch::Continue;
    const auto& notify = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
    pixels += static_cast<long long>(notify.area.width) * notify.area.height;
    if (!seen || notify.timestamp - last > FrameGapMilliseconds) ++frames;
    seen = true;
    last = notify.timestamp;
    return Watch::Continue;
  });
  if (watched == Watch::Lost) return 1;
  std::printf("frames %ld pixels %lld\n", frames, pixels);
  xcb_disconnect(connection);
  return 0;
}
