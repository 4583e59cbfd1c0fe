#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under Xvfb where things go wrong: signals, a high-score file that cannot
# be written, and a broken resource folder. Usage: faults.sh BUILD_DIR CASE
source "$(dirname "$0")/game_under_xvfb.sh"

# Waits until the sound device is open (SDL's mixing thread is running).
sound_device_opened() {
  for _ in $(seq 200); do
    grep -qs '^SDLAudio' /proc/"$GAME_PID"/task/*/comm && return 0
    sleep 0.1
  done
  fail "the sound device was not opened"
}

signals() {  # each signal ends a running game within a second
  for signal in TERM INT HUP; do
    start_game
    GAME=$(window_named Marlquin)
    click 395 220  # Begin New
    sound_device_opened
    kill -s "$signal" "$GAME_PID"
    game_ends_within 1 || fail "SIG$signal did not end the game"
  done
}

unwritable_high_score() {  # the player is told, then the game ends; nothing is lost
  mkdir "$GAME_DIR/Bubble.rec"  # a folder where the table belongs
  # Rows 0..13 full, so the loaded game is over at once; BallCount 154, score 500.
  {
    for _ in $(seq 154); do printf '\x01\x00'; done
    for _ in $(seq 22); do printf '\x00\x00'; done
    printf '\xe8\x03\x00\x00\xe8\x03\x9a\x00\xf4\x01\x00\x00'
  } > "$GAME_DIR/save/full.sv"
  start_game
  GAME=$(window_named Marlquin)
  load_from_menu "$GAME_DIR/save/full.sv"
  local over name failure
  over=$(window_named Marlquin "$GAME")
  focus "$over"
  xdotool key Return
  name=$(window_named Congratulation)
  focus "$name"
  xdotool type --delay 10 "Ann"
  xdotool key Return
  failure=$(window_named Marlquin "$GAME" "$over")
  focus "$failure"
  xdotool key Return
  game_ends_within 5 || fail "the game did not end after the message"
  [ -d "$GAME_DIR/Bubble.rec" ] || fail "the folder in the table's place was replaced"
}

broken_resources() {
  # A picture cut short and a sound missing: one line each on standard error.
  head -c 100 "$BUILD/res/b3.png" > "$GAME_DIR/res/b3.png"
  rm "$GAME_DIR/res/sound/gp.mp3"
  start_game
  GAME=$(window_named Marlquin)
  click 395 220  # Begin New
  for _ in $(seq 100); do
    grep -q 'gp\.mp3' "$WORK/game.log" && grep -q 'b3\.png' "$WORK/game.log" && break
    sleep 0.1
  done
  [ "$(grep -c 'res/b3\.png: ' "$WORK/game.log")" -eq 1 ] || fail "b3.png not reported once: $(cat "$WORK/game.log")"
  [ "$(grep -c 'res/sound/gp\.mp3: ' "$WORK/game.log")" -eq 1 ] || fail "gp.mp3 not reported once: $(cat "$WORK/game.log")"
  kill -9 "$GAME_PID"
  game_ends_within 5

  # No resource folder at all: a box instead of a blind game, and the program ends.
  rm -r "$GAME_DIR/res"
  start_game
  local box geometry
  box=$(window_named Marlquin)
  geometry=$(xdotool getwindowgeometry --shell "$box" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')
  [ "$geometry" != "WIDTH=801 HEIGHT=601 " ] || fail "the game window opened without its resources"
  focus "$box"
  xdotool key Return
  game_ends_within 5 || fail "the game did not end after the message"
  [ "$GAME_STATUS" -ne 0 ] || fail "a game without resources ended as if all was well"
}

"$2"
echo "$2: passed"
