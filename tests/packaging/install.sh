#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The install distributions make: DESTDIR=T cmake --install BUILD --prefix P, for P = /usr
# and /app, with the command expected in P/$2. T holds P alone, P only the usual folders:
# the command a relative link to the program, the pictures, sounds and font beside the
# program, and the desktop entry, icon, metainfo, manual and licence, which the validators
# accept. Then the game started from T/P, as an unprivileged user with a home of its own,
# draws its menu from its own pictures, reads every file it needs, and writes nothing into T.
source "$(dirname "$0")/../e2e/game_under_xvfb.sh"
source "$(dirname "$0")/validate.sh"
BINDIR=$2
chmod 755 "$WORK"  # the unprivileged player must reach the trees and its own home
umask 022

pixel() {  # red, green, blue of one pixel
  convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
# Two opaque pixels of the menu's frame, drawn over everything but the buttons.
menu_shown() {
  import -window "$GAME" "$WORK/now.png" 2> /dev/null &&
    [ "$(pixel "$WORK/now.png" 5 5)" = "$(pixel "$PROGRAM_DIR/res/frame.png" 5 5)" ] &&
    [ "$(pixel "$WORK/now.png" 400 5)" = "$(pixel "$PROGRAM_DIR/res/frame.png" 400 5)" ]
}

for PREFIX in /usr /app; do
  DEST="$WORK/dest${PREFIX//\//-}"
  ROOT="$DEST$PREFIX"
  DESTDIR="$DEST" cmake --install "$BUILD" --prefix "$PREFIX" > "$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log"; fail "cmake --install --prefix $PREFIX"; }
  [ "$(ls -A "$DEST")" = "${PREFIX#/}" ] || fail "DESTDIR holds more than $PREFIX"
  for entry in "$ROOT"/* "$ROOT"/.[!.]*; do
    [ -e "$entry" ] || continue
    case "${entry#"$ROOT"/}" in
      bin | games | lib | lib64 | share) [ -d "$entry" ] && [ ! -L "$entry" ] ||
        fail "$PREFIX/${entry#"$ROOT"/} is not a folder" ;;
      *) fail "$PREFIX/${entry#"$ROOT"/} is not one of the usual folders" ;;
    esac
  done

  COMMAND="$ROOT/$BINDIR/marlquin"
  [ -L "$COMMAND" ] && [ "$(readlink "$COMMAND" | cut -c1)" != / ] ||
    fail "$PREFIX/$BINDIR/marlquin is not a relative link"
  PROGRAM=$(readlink -f "$COMMAND")
  PROGRAM_DIR=$(dirname "$PROGRAM")
  case "$PROGRAM" in "$ROOT"/lib*/*/marlquin) ;; *) fail "the command leads to $PROGRAM" ;; esac
  [ -x "$PROGRAM" ] && [ ! -L "$PROGRAM" ] || fail "no program at $PROGRAM"
  for file in $(cd "$BUILD/res" && find . -type f ! -name .generated | sed 's|^\./||'); do
    cmp -s "$BUILD/res/$file" "$PROGRAM_DIR/res/$file" || fail "res/$file is not installed"
  done
  [ ! -L "$PROGRAM_DIR/res/fonts/Lato-Black.ttf" ] || fail "the font is a link"
  [ ! -e "$PROGRAM_DIR/save" ] || fail "a save/ folder in the installed game"

  DESKTOP="$ROOT/share/applications/marlquin.desktop"
  METAINFO="$ROOT/share/metainfo/org.marlquin.Marlquin.metainfo.xml"
  for file in "$DESKTOP" "$METAINFO" "$ROOT/share/icons/hicolor/48x48/apps/marlquin.png"; do
    [ -f "$file" ] || fail "no ${file#"$DEST"}"
  done
  zcat "$ROOT/share/man/man6/marlquin.6.gz" | grep -q '^\.TH MARLQUIN 6 ' || fail "no manual page"
  grep -q '^License: OFL-1.1$' "$ROOT/share/doc/marlquin/copyright" || fail "no copyright file"
  cmp -s "$ROOT/share/doc/marlquin/COPYING" "$(dirname "$0")/../../LICENSES/GPL-3.0-or-later.txt" ||
    fail "no COPYING"
  validate_desktop_files "$DESKTOP" "$METAINFO"

  # Every name, type, mode, size, time and link target of the tree, before and after a run.
  listing() { (cd "$DEST" && find . -printf '%p %y %m %s %T@ %l\n' | sort); }
  listing > "$WORK/tree-before"
  PLAYER="$WORK/player${PREFIX//\//-}"
  mkdir "$PLAYER"
  chown 65534:65534 "$PLAYER"
  env -i PATH=/usr/bin:/bin HOME="$PLAYER" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    setpriv --reuid 65534 --regid 65534 --clear-groups "$COMMAND" > "$WORK/game.log" 2>&1 &
  GAME_PID=$!
  GAME=$(window_named Marlquin)
  shown=no
  for _ in $(seq 100); do menu_shown && { shown=yes; break; }; sleep 0.1; done
  [ "$shown" = yes ] || fail "the game installed in $PREFIX showed no menu"
  kill "$GAME_PID"
  game_ends_within 10 || fail "the game did not end on SIGTERM"
  if grep 'cannot read' "$WORK/game.log"; then fail "the game installed in $PREFIX misses a file"; fi
  listing | diff "$WORK/tree-before" - || fail "the game changed the tree installed in $PREFIX"
done
