#!/bin/sh
# Installs the Debian 12 packages that building, playing and testing Marlquin need,
# asking only for those that are missing. Uses sudo when not run as root.
set -eu

PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libsdl2-mixer-dev libmp3lame-dev fonts-lato \
libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev xvfb xauth xdotool imagemagick"

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
