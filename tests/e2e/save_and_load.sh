#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game under Xvfb with xdotool: "Begin New", a few shots with Space, "Save"
# through the file dialog with a typed path, "Return" and "OK" to the menu, "Load Game"
# through the open dialog, then checks the saved file's bytes and a screenshot.
# No fixed waits: each step polls for what it needs (a window, a file, a picture) with a
# time limit, so a busy machine is only slower.
source "$(dirname "$0")/game_under_xvfb.sh"
SAVED="$GAME_DIR/save/e2e.sv"

start_game

within() {  # seconds, then a command retried until it succeeds
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
pixel() {  # red, green, blue of one pixel
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
shows() {  # whether the game window shows at (x, y) the colour given
  import -window "$GAME" "$WORK/now.png" 2> /dev/null && [ "$(pixel "$WORK/now.png" "$1" "$2")" = "$3" ]
}
no_box_open() { [ -z "$(xdotool search --onlyvisible --name '^Marlquin$' | grep -vx "$GAME")" ]; }

GAME=$(window_named Marlquin)
click 395 220  # Begin New
# The play screen is up once the Save button's face shows at (45, 125).
within 30 shows 45 125 "$(pixel "$GAME_DIR/res/btnface.png" 7 5)" || fail "the play screen did not appear"
focus "$GAME"
for _ in 1 2 3; do xdotool key space; done
xdotool key Left Left Left space

click 100 140  # Save
DIALOG=$(window_named "Save Game to file")
focus "$DIALOG"
xdotool key ctrl+a
xdotool type --delay 10 "$SAVED"
xdotool key Return
CONFIRM=$(window_named Marlquin "$GAME")
focus "$CONFIRM"
xdotool key Return
within 20 no_box_open || fail "the box did not close"

within 20 test -f "$SAVED" || fail "no saved file"
[ "$(stat -c %s "$SAVED")" -eq 364 ] || fail "the saved game is not 364 bytes"
read -r -a CELLS <<< "$(od -An -v -t d2 -N 352 "$SAVED" | tr -s ' \n' ' ')"
[ "${#CELLS[@]}" -eq 176 ] || fail "could not read the board"
OCCUPIED=0
for cell in "${CELLS[@]}"; do
  [ "$cell" -ge 0 ] && [ "$cell" -le 6 ] || fail "cell value $cell"
  [ "$cell" -gt 0 ] && OCCUPIED=$((OCCUPIED + 1))
done
[ "$OCCUPIED" -gt 0 ] || fail "the saved board is empty"
SCORE=$(od -An -t d4 -j 360 -N 4 "$SAVED" | tr -d ' ')
PUSHLIMIT=$(od -An -t d2 -j 352 -N 2 "$SAVED" | tr -d ' ')
[ "$SCORE" -ge 0 ] || fail "score $SCORE"
case "$PUSHLIMIT" in 1000|1200) ;; *) fail "push limit $PUSHLIMIT" ;; esac

focus "$GAME"
click 100 320  # Return
click 505 360  # OK
load_from_menu "$SAVED"

# Every occupied cell of the loaded board shows its ball picture at the cell's place.
MISMATCH=""
CHECKED=0
loaded_board_shown() {
  import -window "$GAME" "$WORK/screen.png" 2> /dev/null || return 1
  MISMATCH=""
  CHECKED=0
  for index in "${!CELLS[@]}"; do
    colour=${CELLS[$index]}
    [ "$colour" -gt 0 ] || continue
    row=$((index / 11)); col=$((index % 11))
    [ "$row" -le 3 ] || continue
    x=$((227 + 30 * col + (row % 2 == 0 ? 15 : 0) + 15))
    y=$(awk "BEGIN { v = $row * 25.98076211353317; r = int(v + 0.5); if (r - v == 0.5 && r % 2) r--; print 60 + r + 15 }")
    expected=$(pixel "$GAME_DIR/res/b$((colour - 1)).png" 15 15)
    seen=$(pixel "$WORK/screen.png" "$x" "$y")
    [ "$seen" = "$expected" ] || { MISMATCH="cell ($col, $row): $seen on screen, $expected in the picture"; return 1; }
    CHECKED=$((CHECKED + 1))
  done
  [ "$CHECKED" -gt 0 ]
}
within 30 loaded_board_shown || fail "${MISMATCH:-no cell checked}"
kill -0 "$GAME_PID" || fail "the game ended"
echo "saved and loaded: $OCCUPIED bubbles, score $SCORE, $CHECKED cells seen on screen"
