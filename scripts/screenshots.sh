#!/usr/bin/env bash
# Writes a PNG of each window built so far into the folder given as argument.
# The windows are shown on an X server of their own (Xvfb), never on the
# user's display.  TIDEWAVE_BUILD_DIR chooses the build folder
# (default: build/screenshots).
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 <folder>" >&2
  exit 2
fi
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=${TIDEWAVE_BUILD_DIR:-$top/build/screenshots}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWAVE_TESTS=ON >/dev/null
# Building the window tests lists them, which needs a display: build only the
# screenshot program and the pictures.
cmake --build "$build" -j4 --target tray_screenshots tw_pictures

# Our own X server; it tells us its display number.
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 50); do
  [ -s "$fdfile" ] && break
  sleep 0.1
done
[ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$fdfile")"

"$build/tests/tray/tray_screenshots" "$out" "$build/tray"
