#!/bin/bash
# The real game in a private virtual X server: 10 s at the menu, then 10 s of a game with
# a shot every second. For each, the game's CPU time per tick, the frames and pixels per
# second the window received, and the X server's CPU time. CPU time is read from the
# scheduler (/proc/PID/task/*/schedstat), so other work on the machine adds little.
# Usage: live_window.sh BUILD-FOLDER [SECONDS]
set -euo pipefail

BUILD=$(cd "$1" && pwd)
SECONDS_PER_PHASE=${2:-10}
TICK_SECONDS=0.022
BEGIN_NEW_X=395 BEGIN_NEW_Y=220  # the middle of the menu's "Begin New" button
AIM_X=400 AIM_Y=300              # a click over the board fires

WORK=$(mktemp -d)
XVFB_PID=""
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "live window benchmark: $*" >&2; exit 1; }

# The game runs from a copy of its folder, so nothing in the build is touched.
mkdir -p "$WORK/game/save" "$WORK/home"
cp "$BUILD/marlquin" "$WORK/game/"
cp -r "$BUILD/res" "$WORK/game/res"

exec 3> "$WORK/display"
Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$WORK/display")"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset XDG_RUNTIME_DIR

(cd "$WORK/game" && exec ./marlquin > "$WORK/game.log" 2>&1) &
GAME_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Marlquin$' | tail -n1) ||
  fail "the game window did not open"
sleep 2  # past start-up

cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }

measure() {  # name, then the command that keeps the phase busy
  local name=$1
  shift
  local game0 x0 start game1 x1 end frames pixels
  game0=$(cpu_ns "$GAME_PID")
  x0=$(cpu_ns "$XVFB_PID")
  start=$(date +%s.%N)
  "$BUILD/bench/marlquin_frame_counter" "$WINDOW" "$SECONDS_PER_PHASE" > "$WORK/frames" &
  local counter=$!
  "$@"
  wait "$counter" || fail "could not count frames"
  end=$(date +%s.%N)
  game1=$(cpu_ns "$GAME_PID")
  x1=$(cpu_ns "$XVFB_PID")
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the $name"
  read -r _ frames _ pixels < "$WORK/frames"
  awk -v name="$name" -v game=$((game1 - game0)) -v x=$((x1 - x0)) -v start="$start" -v end="$end" \
      -v counted="$SECONDS_PER_PHASE" -v tick=$TICK_SECONDS -v frames="$frames" -v pixels="$pixels" 'BEGIN {
    wall = end - start
    ticks = wall / tick
    printf "LiveWindow/%-5s game %.3f ms CPU per tick (%.1f%% of a core)   %5.1f frames/s   %6.0f px/frame   X server %.3f ms per tick (%.1f%%)\n",
      name, game / 1e6 / ticks, game / 1e7 / wall, frames / counted, frames ? pixels / frames : 0,
      x / 1e6 / ticks, x / 1e7 / wall
  }'
}

fire_every_second() {
  for _ in $(seq "$SECONDS_PER_PHASE"); do
    sleep 1
    xdotool mousemove --window "$WINDOW" $AIM_X $AIM_Y click 1
  done
}

measure menu sleep "$SECONDS_PER_PHASE"
xdotool mousemove --window "$WINDOW" $BEGIN_NEW_X $BEGIN_NEW_Y click 1
sleep 2  # past the new game's set-up
measure play fire_every_second
