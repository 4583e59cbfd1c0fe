#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the command as an X11 client of a private virtual X server, without a window manager,
# so that a test reads back what the display server itself shows; its screen holds the
# window at twice its size.
set -euo pipefail
work=$(mktemp -d)
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
server=$!
trap 'kill "$server" 2> /dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb "$@"
