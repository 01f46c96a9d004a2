#!/usr/bin/env bash
# Installs the Debian packages that building and running Tessaly need; with --tests also those
# that only the test suite needs (scripts/test.sh asks for them).
# Idempotent: when everything is already there it installs nothing and touches no list.
set -euo pipefail

packages=(
  # build
  build-essential g++ cmake ninja-build pkg-config git
  # libraries
  libwxgtk3.2-dev libgtk-3-dev libx11-dev nlohmann-json3-dev libjpeg-dev
  # keeps the copied code on the clipboard after the program has ended (X11)
  xclip
  # fonts so that text renders the same everywhere
  fonts-dejavu-core fonts-liberation
)

test_packages=(
  # unit and window tests
  libgtest-dev googletest
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # display, window manager and desktop automation for the window tests
  xvfb xauth openbox xdotool x11-utils imagemagick
  # a clipboard manager: the clipboard must outlive the program with and without one
  parcellite
  # accessibility bus for the end-to-end tests
  dbus dbus-x11 at-spi2-core gir1.2-atspi-2.0 python3 python3-gi
  # the Windows editor link: cross-compiled and run under Wine against a Windows edit control
  g++-mingw-w64-x86-64-posix wine64
)

case "${1:-}" in
  "") ;;
  --tests) packages+=("${test_packages[@]}") ;;
  *) echo "usage: scripts/setup.sh [--tests]" >&2; exit 2 ;;
esac

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
