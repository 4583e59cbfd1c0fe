#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that Marlquin needs, asking only for those that are
# missing. Uses sudo when not run as root.
#   install-deps.sh play      building and playing
#   install-deps.sh package   the same and the tools that make the .deb
#   install-deps.sh test      all of it, with the tests' and benchmarks' libraries and tools
set -eu

PLAY="cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libsdl2-mixer-dev libmp3lame-dev zlib1g-dev fonts-lato"
PACKAGE="$PLAY dpkg-dev file"
TEST="$PACKAGE libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev xvfb xauth xdotool imagemagick \
lintian desktop-file-utils appstream clang-format reuse weston qt6-wayland strace"

case "${1:-play}" in
  play) PACKAGES=$PLAY ;;
  package) PACKAGES=$PACKAGE ;;
  test) PACKAGES=$TEST ;;
  *) echo "usage: $0 [play|package|test]" >&2; exit 2 ;;
esac

missing=""
for package in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  run() { "$@"; }
else
  run() { sudo "$@"; }
fi
echo "Installing:$missing"
run apt-get update -qq
# shellcheck disable=SC2086
run env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
