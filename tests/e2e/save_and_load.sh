#!/bin/bash
# Plays the real game under Xvfb with xdotool: "Begin New", a few shots with Space, "Save"
# through the file dialog with a typed path, "Return" and "OK" to the menu, "Load Game"
# through the open dialog, then checks the saved file's bytes and a screenshot.
source "$(dirname "$0")/game_under_xvfb.sh"
SAVED="$GAME_DIR/save/e2e.sv"

start_game

click() { xdotool mousemove --window "$GAME" "$1" "$2" click 1; sleep 0.3; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.2; }
answer_file_dialog() {
  local dialog
  dialog=$(window_named "$1") || fail "no dialog \"$1\""
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
  sleep 0.5
}

GAME=$(window_named Marlquin) || fail "the game window did not open"
sleep 1
click 395 220  # Begin New
sleep 1
focus "$GAME"
for _ in 1 2 3; do xdotool key space; sleep 0.8; done
xdotool key Left Left Left space
sleep 1

click 100 140  # Save
answer_file_dialog "Save Game to file" "$SAVED"
CONFIRM=$(xdotool search --sync --onlyvisible --name '^Marlquin$' | grep -vx "$GAME" | tail -n1)
[ -n "$CONFIRM" ] || fail "no confirmation box"
focus "$CONFIRM"
xdotool key Return
sleep 0.5

[ -f "$SAVED" ] || fail "no saved file"
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
sleep 0.4
click 505 360  # OK
sleep 0.5
click 395 280  # Load Game
answer_file_dialog "Open Game save file" "$SAVED"
sleep 1

# Every occupied cell of the loaded board shows its ball picture at the cell's place.
import -window root "$WORK/screen.png"
GEOMETRY=$(xdotool getwindowgeometry --shell "$GAME")
eval "$GEOMETRY"
pixel() {  # red, green, blue of one pixel
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
CHECKED=0
for index in "${!CELLS[@]}"; do
  colour=${CELLS[$index]}
  [ "$colour" -gt 0 ] || continue
  row=$((index / 11)); col=$((index % 11))
  [ "$row" -le 3 ] || continue
  x=$((227 + 30 * col + (row % 2 == 0 ? 15 : 0) + 15))
  y=$(awk "BEGIN { v = $row * 25.98076211353317; r = int(v + 0.5); if (r - v == 0.5 && r % 2) r--; print 60 + r + 15 }")
  expected=$(pixel "$GAME_DIR/res/b$((colour - 1)).png" 15 15)
  seen=$(pixel "$WORK/screen.png" $((X + x)) $((Y + y)))
  [ "$seen" = "$expected" ] || fail "cell ($col, $row): $seen on screen, $expected in the picture"
  CHECKED=$((CHECKED + 1))
done
[ "$CHECKED" -gt 0 ] || fail "no cell checked"
kill -0 "$GAME_PID" || fail "the game ended"
echo "saved and loaded: $OCCUPIED bubbles, score $SCORE, $CHECKED cells seen on screen"
