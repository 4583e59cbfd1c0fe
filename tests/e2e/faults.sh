#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under Xvfb where things go wrong: signals, a high-score file that cannot
# be written, a name too long for it, and a broken resource folder.
# Usage: faults.sh BUILD_DIR CASE
source "$(dirname "$0")/game_under_xvfb.sh"

# Waits until the sound device is open (SDL's mixing thread is running).
sound_device_opened() {
  for _ in $(seq 200); do
    grep -qs '^SDLAudio' /proc/"$GAME_PID"/task/*/comm && return 0
    sleep 0.1
  done
  fail "the sound device was not opened"
}

# Rows 0..13 full, so the game loaded from $GAME_DIR/save/full.sv is over at once;
# BallCount 154, score 500.
write_full_game() {
  {
    for _ in $(seq 154); do printf '\x01\x00'; done
    for _ in $(seq 22); do printf '\x00\x00'; done
    printf '\xe8\x03\x00\x00\xe8\x03\x9a\x00\xf4\x01\x00\x00'
  } > "$GAME_DIR/save/full.sv"
}

# Loads full.sv from the menu, closes the game over box and types $1 into the name box;
# the keys $2... follow before the name box is closed.
name_at_game_over() {
  write_full_game
  start_game
  GAME=$(window_named Marlquin)
  load_from_menu "$GAME_DIR/save/full.sv"
  OVER=$(window_named Marlquin "$GAME")
  focus "$OVER"
  xdotool key Return
  local name
  name=$(window_named Congratulation)
  focus "$name"
  LC_ALL=C.UTF-8 xdotool type --delay 10 "$1"  # the name's bytes are UTF-8 in any locale
  shift
  xdotool key "$@" Return
}

signals() {  # each signal ends a running game within a second
  for signal in TERM INT HUP; do
    start_game env --default-signal=HUP,INT,TERM
    GAME=$(window_named Marlquin)
    click 395 220  # Begin New
    sound_device_opened
    kill -s "$signal" "$GAME_PID"
    game_ends_within 1 || fail "SIG$signal did not end the game"
  done
}

ignored_signals() {  # a signal the game was started with ignored stays ignored
  start_game env --ignore-signal=HUP,INT,TERM
  GAME=$(window_named Marlquin)
  click 395 220  # Begin New
  sound_device_opened
  for signal in HUP INT TERM; do kill -s "$signal" "$GAME_PID"; done
  ! game_ends_within 2 || fail "an ignored signal ended the game"
}

unwritable_high_score() {  # the player is told, then the game ends; nothing is lost
  mkdir "$GAME_DIR/Bubble.rec"  # a folder where the table belongs
  name_at_game_over Ann
  local failure
  failure=$(window_named Marlquin "$GAME" "$OVER")
  focus "$failure"
  xdotool key Return
  game_ends_within 5 || fail "the game did not end after the message"
  [ -d "$GAME_DIR/Bubble.rec" ] || fail "the folder in the table's place was replaced"
}

long_name() {  # a pasted name of 5120 characters is cut so that the table reads back whole
  local table="$GAME_DIR/Bubble.rec" kept name="" doubling=()
  for entry in B:000400 C:000300 D:000200 E:000100 F:000050; do
    printf '%s\r\n%s\r\nd\r\n' "${entry%:*}" "${entry#*:}"
  done > "$table"
  kept=$(head -n 12 "$table")
  for _ in $(seq 10); do doubling+=(ctrl+a ctrl+c End ctrl+v); done
  name_at_game_over "Annéé" "${doubling[@]}"  # 7 bytes, doubled to 7168
  game_ends_within 10 || fail "the game did not end after its game over"
  # Cut at 256 bytes, inside an é: 36 times Annéé and Ann, 255 bytes.
  for _ in $(seq 36); do name+="Annéé"; done
  [ "$(stat -c %s "$table")" -le 4096 ] || fail "the table is longer than the game reads back"
  [ "$(head -n 2 "$table")" = "$(printf '%sAnn\r\n000500\r' "$name")" ] ||
    fail "the name was not cut to 255 bytes: $(head -c 300 "$table" | od -c | head)"
  [ "$(tail -n 12 "$table")" = "$kept" ] || fail "the other entries were not kept"
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
