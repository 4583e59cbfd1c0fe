#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under Xvfb where things go wrong: signals, something in the high-score
# table's place, a read-only install whose table cannot be read, saves above the proposed
# folder and beside a file named save, a name too long for the table, and a broken
# resource folder.
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
  start_game ${PLAYER:-}
  GAME=$(window_named Marlquin)
  load_from_menu "$GAME_DIR/save/full.sv"
  OVER=$(window_named Marlquin "$GAME")
  focus "$OVER"
  xdotool key Return
  local name
  name=$(window_named Congratulation)
  focus "$name"
  # The name's bytes are UTF-8 in any locale. xdotool types a letter the keyboard lacks
  # through a key it maps for it; slowly, so that the game has the new map before the key.
  LC_ALL=C.UTF-8 xdotool type --delay 100 "$1"
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

score_kept_in() { tr -d '\r' < "$1" | grep -A1 -x Ann | grep -qx 000500 || fail "the score is not in $1"; }

# What stands in the table's place (a folder, a table of 10 MB) is set aside whole, the
# player is told where, and the score is kept.
table_in_the_way() {
  for obstacle in folder huge; do
    rm -rf "$GAME_DIR"/Bubble.rec*
    if [ $obstacle = folder ]; then mkdir "$GAME_DIR/Bubble.rec"; else
      { printf 'Bo\r\n'; head -c 10485760 /dev/zero | tr '\0' 9; } > "$GAME_DIR/Bubble.rec"
      cp "$GAME_DIR/Bubble.rec" "$WORK/huge"
    fi
    name_at_game_over Ann
    local told
    told=$(window_named Marlquin "$GAME" "$OVER")
    focus "$told"
    xdotool key Return
    game_ends_within 5 || fail "the game did not end after the message"
    score_kept_in "$GAME_DIR/Bubble.rec"
    local aside=("$GAME_DIR"/Bubble.rec.set-aside-*)
    [ ${#aside[@]} -eq 1 ] || fail "not set aside once: ${aside[*]}"
    if [ $obstacle = folder ]; then [ -d "${aside[0]}" ]; else cmp -s "${aside[0]}" "$WORK/huge"; fi ||
      fail "the $obstacle was not kept whole"
  done
}

# An install for all users: the program's folder is read-only and its table cannot be
# read, or is longer than the game reads; the player's score goes to their own table.
PLAYER_IDS="setpriv --reuid 65534 --regid 65534 --clear-groups env HOME=$WORK/home"
installed() {
  chown -R 65534:65534 "$WORK/home"
  chmod -R a+rX "$WORK"
  chmod 555 "$GAME_DIR"
  DATA="$WORK/home/.local/share/marlquin"
}
installed_table_unreadable_or_long() {
  for table in unreadable long; do
    rm -rf "$WORK/home/.local" "$GAME_DIR/Bubble.rec"
    for _ in $(seq 5); do printf '%01000d\r\n000900\r\nd\r\n' 0; done > "$GAME_DIR/Bubble.rec"
    [ $table = long ] || chmod 600 "$GAME_DIR/Bubble.rec"
    cp -p "$GAME_DIR/Bubble.rec" "$WORK/beside"
    installed
    PLAYER=$PLAYER_IDS name_at_game_over Ann
    game_ends_within 10 || fail "the game did not end after its game over ($table)"
    score_kept_in "$DATA/Bubble.rec"
    cmp -s "$GAME_DIR/Bubble.rec" "$WORK/beside" || fail "the table beside the program changed"
    chmod 755 "$GAME_DIR"
  done
}

# A small game that goes on, loaded from the menu so that the play screen is up.
play_small_game() {
  { for _ in $(seq 11); do printf '\x01\x00'; done; head -c 330 /dev/zero
    printf '\xe8\x03\x00\x00\x00\x00\x0b\x00\x00\x00\x00\x00'; } > "$WORK/small.sv"
  chmod a+r "$WORK/small.sv"
  start_game ${PLAYER:-}
  GAME=$(window_named Marlquin)
  load_from_menu "$WORK/small.sv"
  for _ in $(seq 50); do  # Save, once the play screen has taken the click
    click 100 140
    sleep 0.2
    xdotool search --onlyvisible --name '^Save Game to file$' > /dev/null && break
  done
  DIALOG=$(window_named "Save Game to file")
  focus "$DIALOG"
}
confirm_saved() {
  local box
  box=$(window_named Marlquin "$GAME")
  focus "$box"
  xdotool key Return
}

# Installed for all users: going up one level from the proposed folder, which the game made,
# saves there, and the game loads back.
save_above_the_proposed_folder() {
  installed
  PLAYER=$PLAYER_IDS play_small_game
  xdotool key ctrl+a
  xdotool type --delay 10 ..
  xdotool key Return
  xdotool key ctrl+a
  xdotool type --delay 10 parent.sv
  xdotool key Return
  confirm_saved
  for _ in $(seq 50); do [ -f "$DATA/parent.sv" ] && break; sleep 0.1; done
  [ "$(stat -c %s "$DATA/parent.sv")" -eq 364 ] || fail "not saved above the proposed folder"
  [ ! -e "$DATA/save" ] || fail "the folder made for the dialog was left empty"
  click 100 320  # Return
  click 505 360  # OK
  load_from_menu "$DATA/parent.sv"
  sleep 1
  [ -z "$(xdotool search --onlyvisible --name '^Marlquin$' | grep -vx "$GAME")" ] ||
    fail "loading parent.sv was refused"
  cmp -s <(head -c 352 "$DATA/parent.sv") <(head -c 352 "$WORK/small.sv") || fail "another board was saved"
}

# A file named save beside the folder Save/ that holds the games: the dialog proposes a
# place in Save/ at once, without a warning.
save_beside_a_file_named_save() {
  mv "$GAME_DIR/save" "$GAME_DIR/Save"
  echo "not a folder" > "$GAME_DIR/save"
  play_small_game
  xdotool key Return
  confirm_saved
  local saved
  saved="$GAME_DIR/Save/$(date +%y-%m-%d).sv"
  for _ in $(seq 50); do [ -f "$saved" ] && break; sleep 0.1; done
  [ "$(stat -c %s "$saved")" -eq 364 ] || fail "not saved into Save/"
  [ "$(cat "$GAME_DIR/save")" = "not a folder" ] || fail "the file named save changed"
}

long_name() {  # the name box holds no more of a pasted name than the table keeps
  local table="$GAME_DIR/Bubble.rec" kept name="" doubling=()
  for entry in B:000400 C:000300 D:000200 E:000100 F:000050; do
    printf '%s\r\n%s\r\nd\r\n' "${entry%:*}" "${entry#*:}"
  done > "$table"
  kept=$(head -n 12 "$table")
  for _ in $(seq 10); do doubling+=(ctrl+a ctrl+c End ctrl+v); done
  name_at_game_over "Annéé" "${doubling[@]}"  # 7 bytes, doubled to 7168
  game_ends_within 10 || fail "the game did not end after its game over"
  # The box cuts each paste at 256 bytes of whole characters: 36 times Annéé and Ann (255
  # bytes), and of the next copy only its A fits. A box that took it all would leave the
  # table's cut of the whole: 255 bytes, without that A.
  for _ in $(seq 36); do name+="Annéé"; done
  [ "$(stat -c %s "$table")" -le 4096 ] || fail "the table is longer than the game reads back"
  [ "$(head -n 2 "$table")" = "$(printf '%sAnnA\r\n000500\r' "$name")" ] ||
    fail "the box did not hold the name cut to 256 bytes: $(head -c 300 "$table" | od -c | sed -n 14,20p)"
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
