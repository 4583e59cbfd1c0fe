# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: a private X server, a copy of the game to run in it,
# and bounded waits for windows and for the game to end. Source it with the build folder
# as $1; it leaves WORK (a temporary folder removed on exit) and GAME_DIR set.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
GAME_DIR="$WORK/game"
XVFB_PID=""
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$GAME_DIR/save" "$WORK/home"
cp "$BUILD/marlquin" "$GAME_DIR/"
cp -rL "$BUILD/res" "$GAME_DIR/res"  # a copy even where res/ is a link

# Without -noreset the server drops every client when its last one leaves.
exec 3> "$WORK/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$WORK/display")"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset XDG_RUNTIME_DIR

# Running and not yet reaped (a finished child stays a zombie until waited for).
game_running() {
  local state
  state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null) || return 1
  [ "${state:0:1}" != Z ]
}

# Runs the copy in the background, its output in $WORK/game.log; arguments go before the
# program (env --ignore-signal=HUP, say).
start_game() {
  (cd "$GAME_DIR" && exec "$@" ./marlquin > "$WORK/game.log" 2>&1) &
  GAME_PID=$!
}

# The newest visible window with this exact title other than the ones given, waiting up
# to 20 s; fails at once when the game has ended meanwhile.
window_named() {
  local title=$1 id
  shift
  for _ in $(seq 200); do
    game_running || fail "the game ended while waiting for \"$title\""
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tac); do
      case " $* " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    sleep 0.1
  done
  fail "no window \"$title\""
}

focus() { xdotool windowfocus --sync "$1"; }
click() { xdotool mousemove --window "$GAME" "$1" "$2" click 1; }

# A game loaded from the menu through the open dialog.
load_from_menu() {
  click 395 280  # Load Game
  local dialog
  dialog=$(window_named "Open Game save file")
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 10 "$1"
  xdotool key Return
}

# Waits up to $1 seconds for the game to end; its exit status is then in GAME_STATUS.
game_ends_within() {
  local tenths=$(($1 * 10))
  for _ in $(seq "$tenths"); do
    if ! game_running; then
      GAME_STATUS=0
      wait "$GAME_PID" 2>/dev/null || GAME_STATUS=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}
