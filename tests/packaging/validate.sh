# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the packaging tests after the Xvfb set-up (for WORK and fail).

# The desktop entry $1 and the metainfo $2 as validators see them. desktop-file-validate
# must have nothing to say. AppStream's notes, pedantic ones too, must be among those
# accepted here, each for its reason:
#   cid-contains-uppercase-letter  the ID ends in the game's name as it is written, as
#                                  desktop application IDs do;
#   unknown-tag developer          <developer> is newer than this validator (AppStream
#                                  0.16), which knows <developer_name>; the file has both;
#   relation-control-in-requires   the menu and the buttons cannot be worked without a
#                                  pointer, so it is required, not just supported.
validate_desktop_files() {
  desktop-file-validate "$1" > "$WORK/desktop.log" 2>&1 || true
  [ ! -s "$WORK/desktop.log" ] || { cat "$WORK/desktop.log"; fail "desktop-file-validate $1"; }
  appstreamcli validate --no-net --pedantic "$2" > "$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log"; fail "appstreamcli validate $2"; }
  local accepted='cid-contains-uppercase-letter|unknown-tag developer|relation-control-in-requires'
  if grep -E '^[EWIP]: ' "$WORK/appstream.log" | grep -vE ": ($accepted)( |\$)"; then
    fail "appstreamcli has a note on $2 that is not accepted"
  fi
}
