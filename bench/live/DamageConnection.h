// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the live benchmark's watchers share: replies freed with free(), a connection to the
// X server that has the DAMAGE extension, which tells where a window was drawn into, and
// the loop that hands them the server's events for a while.
#pragma once

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The connection, or nullptr after saying on standard error why there is none.
inline xcb_connection_t* ConnectWithDamage() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "cannot connect to the X server\n");
    return nullptr;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
  const Reply<xcb_damage_query_version_reply_t> version(
      damage && damage->present
          ? xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                           nullptr)
          : nullptr);
  if (!version) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return nullptr;
  }
  return connection;
}

// The response type of the DAMAGE extension's notices on this connection.
inline uint8_t DamageNotifyType(xcb_connection_t* connection) {
  return xcb_get_extension_data(connection, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
}

enum class Watch { Continue, Done, Lost, TimeUp };

// Hands each event that arrives within seconds to handle, until handle says Watch::Done.
// Done when handle was, Lost when the server went away, TimeUp when the time ran out.
template <typename Handle>
Watch WatchEvents(xcb_connection_t* connection, double seconds, Handle handle) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  pollfd input{xcb_get_file_descriptor(connection), POLLIN, 0};
  for (auto now = std::chrono::steady_clock::now(); now < end;
       now = std::chrono::steady_clock::now()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count();
    poll(&input, 1, static_cast<int>(left) + 1);
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
      if (handle(*event) == Watch::Done) return Watch::Done;
    }
    if (xcb_connection_has_error(connection)) {
      std::fprintf(stderr, "lost the X server\n");
      return Watch::Lost;
    }
  }
  return Watch::TimeUp;
}
