#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tessaly needs.
# Idempotent: when everything is already there it installs nothing and touches no list.
set -euo pipefail

packages=(
  # build
  build-essential g++ cmake ninja-build pkg-config git
  # libraries
  libwxgtk3.2-dev libx11-dev nlohmann-json3-dev libjpeg-dev libgtest-dev googletest
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # display, window manager and desktop automation for the window tests
  xvfb xauth openbox xdotool xclip x11-utils imagemagick
  # a clipboard manager: the clipboard must outlive the program with and without one
  parcellite
  # accessibility bus for the end-to-end tests
  dbus dbus-x11 at-spi2-core gir1.2-atspi-2.0 python3 python3-gi
  # fonts so that text renders the same everywhere
  fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
