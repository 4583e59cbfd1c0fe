#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game as a native Wayland client (Qt's Wayland back end) of a private weston.
# Usage: wayland.sh BUILD_DIR headless|x11
#   headless  weston's headless back end, no X in use: the game starts, draws frame after
#             frame and ends on SIGTERM. This back end has no seat, so it cannot give the
#             game input.
#   x11       the same weston with its output in a window of the private Xvfb, whose
#             pointer and keyboard become weston's seat: a click sent to weston's window
#             reaches the game as Wayland pointer events and starts a new game.
# The game's protocol log (WAYLAND_DEBUG) shows each frame it hands to weston.
source "$(dirname "$0")/game_under_xvfb.sh"
BACKEND=$2
WESTON_PID=""
trap '[ -z "$WESTON_PID" ] || kill "$WESTON_PID" 2>/dev/null; cleanup' EXIT
export XDG_RUNTIME_DIR="$WORK/runtime" WAYLAND_DISPLAY=marlquin-test
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$BACKEND" = x11 ] || unset DISPLAY

weston --backend="$BACKEND-backend.so" --use-pixman --width=1024 --height=768 \
  --socket="$WAYLAND_DISPLAY" --no-config --idle-time=0 > "$WORK/weston.log" 2>&1 &
WESTON_PID=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$WORK/weston.log"; fail "weston did not start"; }

# Without Qt's own title bar the window is the whole surface, so a point of the picture is
# the same point of the surface that weston reports pointer positions in.
LOG="$WORK/game.log"
(cd "$GAME_DIR" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  QT_WAYLAND_DISABLE_WINDOWDECORATION=1 ./marlquin > "$LOG" 2>&1) &
GAME_PID=$!

frames() { grep -c 'wl_surface@[0-9]*\.attach(wl_buffer' "$LOG" || true; }
# Waits up to 20 s for a second's worth of ticks (45 frames) more than now.
draws_on() {
  local from start
  from=$(frames)
  start=$(date +%s%N)
  for _ in $(seq 200); do
    game_running || fail "the game ended"
    if [ $(($(frames) - from)) -ge 45 ]; then
      echo "$BACKEND: 45 frames in $((($(date +%s%N) - start) / 1000000)) ms"
      return 0
    fi
    sleep 0.1
  done
  fail "the game drew $(($(frames) - from)) frames in 20 s"
}
draws_on
grep -q 'create_buffer(new id wl_buffer@[0-9]*, 0, 801, 601,' "$LOG" || fail "no 801 x 601 window"

if [ "$BACKEND" = x11 ]; then
  # desktop-shell places the window anywhere, even partly off the screen, and weston tells
  # a surface of the pointer only once the pointer moves. So the pointer visits points
  # across the screen until the game is told it entered; where the game was told it is
  # gives the way from the screen's pixels to the picture's.
  for point in "300 300" "700 300" "300 600" "700 600" "512 384" "100 100" "900 700"; do
    xdotool mousemove $point
    for _ in $(seq 5); do
      grep -qE 'wl_pointer@[0-9]+\.enter\(' "$LOG" && break 2
      sleep 0.1
    done
  done
  read -r x y < <(grep -oE 'wl_pointer@[0-9]+\.(enter|motion)\(.*' "$LOG" | tail -n1 |
    sed -E 's/.*, ([0-9]+)\.[0-9]+, ([0-9]+)\.[0-9]+\)$/\1 \2/') || true
  [ -n "$y" ] || fail "the game was never told where the pointer is"
  eval "$(xdotool getmouselocation --shell)"
  clicked_at=$(wc -l < "$LOG")
  xdotool mousemove $((X - x + 395)) $((Y - y + 220)) click 1  # Begin New
  # The play screen replaces the menu: one frame repaints all 800 x 600 pixels of the picture.
  whole_picture_drawn() {
    tail -n +"$clicked_at" "$LOG" |
      sed -nE 's/.*damage_buffer\([0-9]+, [0-9]+, ([0-9]+), ([0-9]+)\)$/\1 \2/p; s/.*commit\(\)$/commit/p' |
      awk '$1 == "commit" { if (area >= 800 * 600) found = 1; area = 0; next }
           { area += $1 * $2 } END { exit !found }'
  }
  for _ in $(seq 100); do whole_picture_drawn && break; sleep 0.1; done
  whole_picture_drawn || fail "the click on Begin New did not start a game"
  draws_on
fi

kill -TERM "$GAME_PID"
game_ends_within 1 || fail "SIGTERM did not end the game"
echo "$BACKEND: $(frames) frames drawn, ended by SIGTERM with status $GAME_STATUS"
