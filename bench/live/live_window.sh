#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a private virtual X server. First its start-up beside the floor of this
# stack (bench/marlquin_floor_window: one Qt Widgets window painting an 800 x 600 image,
# SDL2_mixer linked as the game links it), started in turn START_RUNS times each (7 unless
# given): the time and the CPU time from the start of the program to its first frame, and
# the game's figures as ratios to the floor's. Then the game alone, RUNS times (3 unless
# given): 10 s at the menu; the CPU time of the first "Begin New"; then 10 s of a game
# with a shot every second. For the menu and the game: CPU time per tick, the frames and
# pixels per second the window received, the X server's CPU time, and the game's private
# and resident memory at the end. Last, the median of each figure over the runs.
# CPU time is read from the scheduler (/proc/PID/task/*/schedstat), in nanoseconds and
# only while the task runs, so other work on the machine adds little; memory from
# /proc/PID/smaps_rollup (private = Private_Clean + Private_Dirty, resident = Rss). The
# clean part is mostly library code that no other process happens to map; dirty is what
# the game itself has written: its heap, pictures and sounds.
# Usage: live_window.sh BUILD-FOLDER [SECONDS] [RUNS] [START_RUNS]
source "$(dirname "$0")/../../tests/e2e/game_under_xvfb.sh" "$1"

SECONDS_PER_PHASE=${2:-10}
RUNS=${3:-3}
START_RUNS=${4:-7}
TICK_SECONDS=0.022
BEGIN_NEW_X=395 BEGIN_NEW_Y=220  # the middle of the menu's "Begin New" button
AIM_X=400 AIM_Y=300              # a click over the board fires
SEA_X=100 SEA_Y=300              # open sea on the menu: black until the first frame
FIGURES="$WORK/figures"          # "name value" lines, one per figure and run

cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }
now() { date +%s.%N; }
figure() { echo "$1 $2" >> "$FIGURES"; }

memory() {  # phase name: the game's private and resident memory now, in MB; RESIDENT too
  local private dirty resident
  read -r private dirty resident < <(awk '/^Rss:/ { rss = $2 } /^Private_Dirty:/ { dirty = $2 }
    /^Private_Clean:/ { clean = $2 } END { printf "%.1f %.1f %.1f\n", (clean + dirty) / 1024, dirty / 1024, rss / 1024 }' \
    /proc/"$GAME_PID"/smaps_rollup)
  figure "$1_private_MB" "$private"
  figure "$1_private_dirty_MB" "$dirty"
  figure "$1_resident_MB" "$resident"
  RESIDENT=$resident
  echo "LiveWindow/$1 memory: private $private MB (dirty $dirty MB), resident $resident MB"
}

measure() {  # name, then the command that keeps the phase busy
  local name=$1 game0 x0 start game1 x1 end counter frames pixels
  shift
  game0=$(cpu_ns "$GAME_PID")
  x0=$(cpu_ns "$XVFB_PID")
  start=$(now)
  "$BUILD/bench/marlquin_frame_counter" "$GAME" "$SECONDS_PER_PHASE" > "$WORK/frames" &
  counter=$!
  "$@"
  wait "$counter" || fail "could not count frames"
  end=$(now)
  game1=$(cpu_ns "$GAME_PID")
  x1=$(cpu_ns "$XVFB_PID")
  game_running || fail "the game ended during the $name"
  read -r _ frames _ pixels < "$WORK/frames"
  awk -v name="$name" -v game=$((game1 - game0)) -v x=$((x1 - x0)) -v start="$start" -v end="$end" \
      -v counted="$SECONDS_PER_PHASE" -v tick=$TICK_SECONDS -v frames="$frames" -v pixels="$pixels" \
      -v figures="$FIGURES" 'BEGIN {
    wall = end - start
    ticks = wall / tick
    printf "LiveWindow/%-5s game %.3f ms CPU per tick (%.1f%% of a core)   %5.1f frames/s   %6.0f px/frame   X server %.3f ms per tick (%.1f%%)\n",
      name, game / 1e6 / ticks, game / 1e7 / wall, frames / counted, frames ? pixels / frames : 0,
      x / 1e6 / ticks, x / 1e7 / wall
    printf "%s_CPU_per_tick_ms %.3f\n", name, game / 1e6 / ticks >> figures
  }'
}

fire_every_second() {
  for _ in $(seq "$SECONDS_PER_PHASE"); do
    sleep 1
    xdotool mousemove --window "$GAME" $AIM_X $AIM_Y click 1
  done
}

# From the start of a program to its first frame, as the X server sees it: name (the
# figures' prefix), the window's title, then the command that starts the program.
start_to_first_frame() {
  local name=$1 title=$2 watched="$WORK/first_frame" watcher started cpu
  shift 2
  : > "$watched"
  "$BUILD/bench/marlquin_first_frame" "$title" 30 $SEA_X $SEA_Y > "$watched" &
  watcher=$!
  for _ in $(seq 500); do grep -qs ready "$watched" && break; sleep 0.01; done
  grep -qs ready "$watched" || fail "could not watch for the first frame"
  started=$(now)
  "$@"
  wait "$watcher" || fail "no first frame of $name"
  cpu=$(cpu_ns "$GAME_PID")
  awk -v name="$name" -v started="$started" -v cpu="$cpu" -v figures="$FIGURES" '$1 == "frame" {
    wall = $2 - started
    printf "LiveWindow/start %-5s first frame after %.3f s, CPU %.3f s\n", name, wall, cpu / 1e9
    printf "start_%s_seconds %.3f\nstart_%s_CPU_seconds %.3f\n", name, wall, name, cpu / 1e9 >> figures
  }' "$watched"
}

start_floor() {
  (cd "$GAME_DIR" && exec ./marlquin_floor_window > "$WORK/floor.log" 2>&1) &
  GAME_PID=$!
}

stop_program() {
  kill -9 "$GAME_PID"
  wait "$GAME_PID" 2> /dev/null || true
  GAME_PID=""
}

# The CPU time from the click to one second after it, less what a second of the game
# then costs by itself.
first_begin_new() {
  local cpu0 cpu1 cpu2 t0 t1 t2
  cpu0=$(cpu_ns "$GAME_PID") t0=$(now)
  click $BEGIN_NEW_X $BEGIN_NEW_Y
  sleep 1
  cpu1=$(cpu_ns "$GAME_PID") t1=$(now)
  sleep 1
  cpu2=$(cpu_ns "$GAME_PID") t2=$(now)
  awk -v c0="$cpu0" -v c1="$cpu1" -v c2="$cpu2" -v t0="$t0" -v t1="$t1" -v t2="$t2" \
      -v figures="$FIGURES" 'BEGIN {
    cost = (c1 - c0) - (c2 - c1) * (t1 - t0) / (t2 - t1)
    printf "LiveWindow/begin first Begin New: game CPU %.3f s\n", cost / 1e9
    printf "begin_new_CPU_seconds %.3f\n", cost / 1e9 >> figures
  }'
}

# In turn, so that whatever else loads the machine weighs on both alike.
cp "$BUILD/bench/marlquin_floor_window" "$GAME_DIR/"
for run in $(seq "$START_RUNS"); do
  echo "Start-up $run of $START_RUNS"
  start_to_first_frame floor Floor start_floor
  stop_program
  start_to_first_frame game Marlquin start_game
  stop_program
done

for run in $(seq "$RUNS"); do
  echo "Run $run of $RUNS"
  start_game
  GAME=$(window_named Marlquin)
  sleep 2  # past start-up
  measure menu sleep "$SECONDS_PER_PHASE"
  memory menu
  menu_resident=$RESIDENT
  first_begin_new
  measure play fire_every_second
  memory play
  figure play_resident_above_menu_MB "$(awk -v a="$RESIDENT" -v b="$menu_resident" 'BEGIN { printf "%.1f", a - b }')"
  stop_program
done

echo "Median (lowest .. highest) of each figure over its runs"
awk '!($1 in seen) { seen[$1]; order[++names] = $1 } { values[$1] = values[$1] " " $2 }
  END {
    for (i = 1; i <= names; ++i) {
      n = split(values[order[i]], v, " ")
      for (a = 2; a <= n; ++a) for (b = a; b > 1 && v[b - 1] > v[b]; --b) { t = v[b]; v[b] = v[b - 1]; v[b - 1] = t }
      median[order[i]] = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      printf "LiveWindow/median %-28s %s (%s .. %s)\n", order[i], median[order[i]], v[1], v[n]
    }
    printf "LiveWindow/start game to floor: first frame %.2f x, CPU %.2f x (%.3f s more)\n",
      median["start_game_seconds"] / median["start_floor_seconds"],
      median["start_game_CPU_seconds"] / median["start_floor_CPU_seconds"],
      median["start_game_CPU_seconds"] - median["start_floor_CPU_seconds"]
  }' "$FIGURES"
