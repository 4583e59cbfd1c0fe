#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a private virtual X server: 10 s at the menu, then 10 s of a game with
# a shot every second. For each, the game's CPU time per tick, the frames and pixels per
# second the window received, and the X server's CPU time. CPU time is read from the
# scheduler (/proc/PID/task/*/schedstat), so other work on the machine adds little.
# Usage: live_window.sh BUILD-FOLDER [SECONDS]
source "$(dirname "$0")/../../tests/e2e/game_under_xvfb.sh" "$1"

SECONDS_PER_PHASE=${2:-10}
TICK_SECONDS=0.022
BEGIN_NEW_X=395 BEGIN_NEW_Y=220  # the middle of the menu's "Begin New" button
AIM_X=400 AIM_Y=300              # a click over the board fires

cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }

measure() {  # name, then the command that keeps the phase busy
  local name=$1 game0 x0 start game1 x1 end counter frames pixels
  shift
  game0=$(cpu_ns "$GAME_PID")
  x0=$(cpu_ns "$XVFB_PID")
  start=$(date +%s.%N)
  "$BUILD/bench/marlquin_frame_counter" "$GAME" "$SECONDS_PER_PHASE" > "$WORK/frames" &
  counter=$!
  "$@"
  wait "$counter" || fail "could not count frames"
  end=$(date +%s.%N)
  game1=$(cpu_ns "$GAME_PID")
  x1=$(cpu_ns "$XVFB_PID")
  game_running || fail "the game ended during the $name"
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
    xdotool mousemove --window "$GAME" $AIM_X $AIM_Y click 1
  done
}

start_game
disown "$GAME_PID"  # its end at clean-up is not news
GAME=$(window_named Marlquin)
sleep 2  # past start-up
measure menu sleep "$SECONDS_PER_PHASE"
click $BEGIN_NEW_X $BEGIN_NEW_Y
sleep 2  # past the new game's set-up
measure play fire_every_second
