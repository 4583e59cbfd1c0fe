#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The packages as a player gets them. cpack builds the .deb and the .tar.gz from this
# build; the .deb holds the Debian layout and passes desktop-file-validate, appstreamcli
# and lintian. Then, under Xvfb, a crafted saved game is loaded and runs into a game over
# with a ranking score: the game unpacked from the .deb, its program folder read-only and
# run as an unprivileged user, ranks it against the table left beside the program and
# keeps it in $XDG_DATA_HOME/marlquin, past a dangling link named save that stays as it
# was; the portable game folder keeps it beside the program.
source "$(dirname "$0")/../e2e/game_under_xvfb.sh"
chmod 755 "$WORK"  # the unprivileged player must reach the game and its own folder

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/packages" > "$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; fail "cpack"; }
DEB=$(echo "$WORK"/packages/marlquin_*.deb)
TGZ=$(echo "$WORK"/packages/marlquin-*.tar.gz)
[ -f "$DEB" ] && [ -f "$TGZ" ] || fail "cpack made no .deb or no .tar.gz"

# The file list: the command, the menu entry, every icon size, the metainfo, the manual,
# the copyright and every file of the build's res/.
PROGRAM=usr/lib/games/marlquin
dpkg-deb -c "$DEB" | awk '{ print $6 }' | sed 's|^\./||' > "$WORK/files"
expected="usr/games/marlquin $PROGRAM/marlquin usr/share/applications/marlquin.desktop
usr/share/metainfo/org.marlquin.Marlquin.metainfo.xml usr/share/man/man6/marlquin.6.gz
usr/share/doc/marlquin/copyright"
for size in 16 32 48 64 128 256; do
  expected="$expected usr/share/icons/hicolor/${size}x$size/apps/marlquin.png"
done
for file in $(cd "$BUILD/res" && find . -type f ! -name .generated | sed 's|^\./||'); do
  expected="$expected $PROGRAM/res/$file"
done
for file in $expected; do
  grep -qxF "$file" "$WORK/files" || fail "$file is not in the package"
done

ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
[ "$(readlink -f "$ROOT/usr/games/marlquin")" = "$ROOT/$PROGRAM/marlquin" ] ||
  fail "usr/games/marlquin does not lead to the program"
[ "$(dpkg-deb -f "$DEB" Recommends)" = qt6-wayland ] || fail "the .deb does not recommend qt6-wayland"

# The validators. desktop-file-validate and lintian must have nothing to say. AppStream's
# notes, pedantic ones too, must be among those accepted here, each for its reason:
#   cid-contains-uppercase-letter  the ID ends in the game's name as it is written, as
#                                  desktop application IDs do;
#   unknown-tag developer          <developer> is newer than this validator (AppStream
#                                  0.16), which knows <developer_name>; the file has both.
METAINFO="$ROOT/usr/share/metainfo/org.marlquin.Marlquin.metainfo.xml"
desktop-file-validate "$ROOT/usr/share/applications/marlquin.desktop" > "$WORK/desktop.log" 2>&1 ||
  true
[ ! -s "$WORK/desktop.log" ] || { cat "$WORK/desktop.log"; fail "desktop-file-validate"; }
appstreamcli validate --no-net --pedantic "$METAINFO" > "$WORK/appstream.log" 2>&1 ||
  { cat "$WORK/appstream.log"; fail "appstreamcli validate"; }
if grep -E '^[EWIP]: ' "$WORK/appstream.log" |
  grep -vE ': (cid-contains-uppercase-letter|unknown-tag developer|relation-control-in-requires)( |$)'; then
  fail "appstreamcli has a note that is not accepted"
fi
lintian "$DEB" > "$WORK/lintian.log" 2>&1 || true
if grep -E '^[EW]:' "$WORK/lintian.log"; then fail "lintian"; fi
# One version everywhere: the package's is the newest release of the release notes, which
# the changelog and the metainfo list.
VERSION=$(dpkg-deb -f "$DEB" Version)
zcat "$ROOT/usr/share/doc/marlquin/changelog.gz" | head -n1 | grep -qF "marlquin ($VERSION)" ||
  fail "the changelog does not begin with $VERSION"
grep -m1 '<release ' "$METAINFO" | grep -qF "version=\"$VERSION\"" ||
  fail "the metainfo's newest release is not $VERSION"

# A game one push from its end: a bubble in the last play row, the push counter at its
# limit (level 3), a score of 5000. Cells, PushLimit, Level, PushTick, BallCount as 16-bit
# and the score as 32-bit little-endian values.
SAVED="$HOME/last-push.sv"
{
  for cell in $(seq 0 175); do
    if [ "$cell" -eq 143 ]; then printf '\x01\x00'; else printf '\x00\x00'; fi
  done
  printf '\xfc\x03\x03\x00\xfc\x03\x01\x00\x88\x13\x00\x00'
} > "$SAVED"
mkdir -p "$HOME/data/marlquin"
ln -s "$HOME/nowhere" "$HOME/data/marlquin/save"
chown -R 65534:65534 "$HOME"

# Starts the game with the given command, loads the saved game and plays it to its game
# over, typing the name Ann.
play_to_game_over() {
  env -i PATH=/usr/bin:/bin HOME="$HOME" XDG_DATA_HOME="$HOME/data" DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$@" > "$WORK/game.log" 2>&1 &
  GAME_PID=$!
  GAME=$(window_named Marlquin)
  load_from_menu "$SAVED"
  local over name
  over=$(window_named Marlquin "$GAME")
  focus "$over"
  xdotool key Return
  name=$(window_named Congratulation)
  focus "$name"
  xdotool type --delay 10 Ann
  xdotool key Return
  game_ends_within 10 || fail "the game did not end after its game over"
}

# The table $1 has 15 CR LF lines and begins with the entries $2 (Ann with 5000 among them).
check_table() {
  [ -f "$1" ] || fail "no $1"
  cmp -s -n "${#2}" "$1" <(printf '%s' "$2") || fail "$1 does not begin with $2"
  [ "$(tr -cd '\n' < "$1" | wc -c)" -eq 15 ] || fail "$1 does not have 15 lines"
}

# Scores kept beside the program before its folder became read-only.
BESIDE=$'Bo\r\n009000\r\nd\r\n'
{ printf '%s' "$BESIDE"; printf '\r\n%.0s' $(seq 12); } > "$ROOT/$PROGRAM/Bubble.rec"
chmod -R a-w "$ROOT/$PROGRAM"
play_to_game_over setpriv --reuid 65534 --regid 65534 --clear-groups "$ROOT/usr/games/marlquin"
check_table "$HOME/data/marlquin/Bubble.rec" "$BESIDE"$'Ann\r\n005000\r\n'
[ -L "$HOME/data/marlquin/save" ] || fail "the link named save was replaced"

tar -xzf "$TGZ" -C "$WORK"
PORTABLE=$(echo "$WORK"/marlquin-*/)
# The archive carries the GPL's text and the copyright file with the font's licence.
cmp -s "$PORTABLE/COPYING" "$(dirname "$0")/../../LICENSES/GPL-3.0-or-later.txt" || fail "no COPYING"
grep -q '^License: OFL-1.1$' "$PORTABLE/copyright" || fail "no font licence in the copyright file"
rm -rf "$HOME/data"
play_to_game_over "$PORTABLE/marlquin"
check_table "$PORTABLE/Bubble.rec" $'Ann\r\n005000\r\n'
[ ! -e "$HOME/data" ] || fail "the portable game wrote into the per-user folder"
echo "packages: $(du -k "$DEB" | cut -f1) KiB .deb, $(du -k "$TGZ" | cut -f1) KiB .tar.gz"
