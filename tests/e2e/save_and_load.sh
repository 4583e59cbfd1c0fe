#!/bin/bash
# Plays the real game under Xvfb with xdotool: "Begin New", a few shots with Space, "Save"
# through the file dialog with a typed path, "Return" and "OK" to the menu, "Load Game"
# through the open dialog, then checks the saved file's bytes and a screenshot.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
XVFB_PID=""
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The game runs from a copy of its folder, so the test never touches the build's files.
mkdir -p "$WORK/game/save" "$WORK/home"
cp "$BUILD/marlquin" "$WORK/game/"
cp -r "$BUILD/res" "$WORK/game/res"
SAVED="$WORK/game/save/e2e.sv"

exec 3> "$WORK/display"
Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset XDG_RUNTIME_DIR

(cd "$WORK/game" && exec ./marlquin > "$WORK/game.log" 2>&1) &
GAME_PID=$!

# No fixed waits: every step polls for what it needs (a window, a file, a picture), each
# with a time limit, so a busy machine is only slower.
within() {  # seconds, then a command retried until it succeeds
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
window_named() {  # the newest window with this exact title
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | tail -n1
}
click() { xdotool mousemove --window "$GAME" "$1" "$2" click 1; }
focus() { xdotool windowfocus --sync "$1"; }
answer_file_dialog() {
  local dialog
  dialog=$(window_named "$1") || fail "no dialog \"$1\""
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
}
pixel() {  # red, green, blue of one pixel
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
shows() {  # whether the game window shows at (x, y) the colour of a picture's pixel
  import -window "$GAME" "$WORK/now.png" 2> /dev/null && [ "$(pixel "$WORK/now.png" "$1" "$2")" = "$3" ]
}

GAME=$(window_named Marlquin) || fail "the game window did not open"
click 395 220  # Begin New
# The play screen is up once the Save button's face shows at (45, 125).
within 30 shows 45 125 "$(pixel "$WORK/game/res/btnface.png" 7 5)" || fail "the play screen did not appear"
focus "$GAME"
for _ in 1 2 3; do xdotool key space; done
xdotool key Left Left Left space

click 100 140  # Save
answer_file_dialog "Save Game to file" "$SAVED"
CONFIRM=$(xdotool search --sync --onlyvisible --name '^Marlquin$' | grep -vx "$GAME" | tail -n1)
[ -n "$CONFIRM" ] || fail "no confirmation box"
focus "$CONFIRM"
xdotool key Return
box_closed() { ! xdotool search --onlyvisible --name '^Marlquin$' | grep -qvx "$GAME"; }
within 20 box_closed || fail "the box did not close"

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
click 395 280  # Load Game
answer_file_dialog "Open Game save file" "$SAVED"

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
    expected=$(pixel "$WORK/game/res/b$((colour - 1)).png" 15 15)
    seen=$(pixel "$WORK/screen.png" "$x" "$y")
    [ "$seen" = "$expected" ] || { MISMATCH="cell ($col, $row): $seen on screen, $expected in the picture"; return 1; }
    CHECKED=$((CHECKED + 1))
  done
  [ "$CHECKED" -gt 0 ]
}
within 30 loaded_board_shown || fail "${MISMATCH:-no cell checked}"
kill -0 "$GAME_PID" || fail "the game ended"
echo "saved and loaded: $OCCUPIED bubbles, score $SCORE, $CHECKED cells seen on screen"
