#!/usr/bin/env bash
# Installs every Debian package Tidewave needs to build, run and test.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  # build
  cmake g++ pkg-config make gettext librsvg2-bin
  libwxgtk3.2-dev libace-dev libace-ssl-dev libssl-dev libavahi-client-dev
  libtinyxml-dev libx11-dev libgtk-3-dev libpango1.0-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xauth x11-utils xdotool imagemagick dbus avahi-daemon avahi-utils trayer
  iproute2 openssl socat psmisc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
