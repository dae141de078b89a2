#!/usr/bin/env bash
# Writes PNGs of the program's windows into the folder given as argument:
#  - each notice window on its own, over a plain backdrop;
#  - the running program with a notification area (trayer): the apply
#    balloon right after the start, the wired success balloon, the start tip
#    at the tray icon and the tray menu, with the demo settings and the
#    built-in world;
#  - the not-connected balloon, from a start with the cable pulled and only
#    a hidden profile;
#  - then each part of scripts/shots/*.sh in name order, which may use the
#    helpers below (start_x, stop_all, prepare_run, start_program,
#    wait_window, shot) and $build, $out.
# The picture programs run twice: with the demo's values into the folder,
# and with the longest values a user can produce into its "long" folder.
# Everything is shown on X servers of its own (Xvfb), never on the user's
# display, with a settings root and home folder of its own.
# TIDEWAVE_BUILD_DIR chooses the build folder (default: build/screenshots).
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 <folder>" >&2
  exit 2
fi
for tool in Xvfb trayer xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/install-deps.sh)" >&2; exit 1; }
done
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1/long"
out=$(cd "$1" && pwd)
build=${TIDEWAVE_BUILD_DIR:-$top/build/screenshots}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWAVE_TESTS=ON >/dev/null
# Building the window tests lists them, which needs a display: build only the
# screenshot program, the program itself and what its runs need.
cmake --build "$build" -j4 --target tw_screenshot_programs tw_pictures tidewave tidewave_make_demo \
  tidewave_sim_world tw_catalogues

work=$(mktemp -d)
pids=()
cleanup() {
  local p
  for p in ${pids[@]+"${pids[@]}"}; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# start_x <size>: an X server of our own on a free display; sets DISPLAY.
source "$top/scripts/lib/xserver.sh"
start_x() {
  x_start "$1" || exit 1
  pids+=("$X_PID")
}

# each_run <program> <program folder>: a picture program's two runs, the
# demo's values into $out, the longest values into $out/long; fails when
# either does.
each_run() {
  "$1" "$out" "$2" && "$1" "$out/long" "$2" --long
}

# stop_all: ends every process started so far (program, trayer, X server).
stop_all() {
  local p
  for p in ${pids[@]+"${pids[@]}"}; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  pids=()
}

# --- The notice windows -----------------------------------------------------
start_x 1280x1024x24
each_run "$build/tests/tray/tray_screenshots" "$build/app"
stop_all

# --- The running program ----------------------------------------------------
# prepare_run <name>: a settings root with the demo settings, a home folder
# and a program folder (a copy of the program beside a link to its pictures,
# so that nothing it writes there lands in the build folder).
prepare_run() {
  run=$work/$1
  mkdir -p "$run/home" "$run/prog" "$run/root/usr/share/Tidewave/resource"
  "$build/scripts/demo/tidewave_make_demo" "$run/root" >/dev/null
  cp "$build/resource/en.mo" "$build/resource/langToFile" "$run/root/usr/share/Tidewave/resource/"
  cp "$build/app/tidewave" "$run/prog/tidewave"
  ln -s "$build/app/pic" "$run/prog/pic"
}

# start_program: X server with a notification area, then the program.
start_program() {
  start_x 1024x768x24
  trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  (cd "$run" && HOME=$run/home TIDEWAVE_ROOT=$run/root exec "$run/prog/tidewave") >"$run/program.log" 2>&1 &
  app=$!
  pids+=($app)
}

# shown_sizes: the sizes (<width>x<height>) of the program's visible windows,
# one a line; the tray icon's own window is among them.
shown_sizes() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true); do
    xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/^ *Geometry: //p'
  done
}

# wait_window <width>x<height> <seconds> <what>: waits until the program shows
# a window of that size (a pattern of grep -E); the balloons are told apart
# by their pictures' sizes, which grow with a text that takes more lines.
wait_window() {
  local end=$((SECONDS + $2))
  while [ $SECONDS -lt $end ]; do
    kill -0 "$app" 2>/dev/null || { echo "the program ended while waiting for $3:" >&2; tail -n 20 "$run/program.log" >&2; exit 1; }
    # Read whole first: a grep that stops early would fail the pipe.
    sizes=$(shown_sizes)
    if grep -qxE "$1" <<<"$sizes"; then
      sleep 0.5   # let it paint
      return 0
    fi
    sleep 0.2
  done
  echo "no $3 ($1 window) within $2 s" >&2
  exit 1
}

# wait_no_balloon <seconds>: waits until no balloon is shown any more.
wait_no_balloon() {
  local end=$((SECONDS + $1))
  while [ $SECONDS -lt $end ]; do
    sizes=$(shown_sizes)
    grep -qxE -e '270x[0-9]+' -e '300x[0-9]+' <<<"$sizes" || return 0
    sleep 0.2
  done
  echo "the program's balloons did not close within $1 s" >&2
  exit 1
}

shot() { import -window root "$out/$1"; echo "wrote $out/$1"; }

# 1. Demo settings, built-in world: the first profile is the wired one.  The
#    apply starts 20 s after the start.
prepare_run demo
start_program
wait_window '270x1[6-9][0-9]' 40 "apply balloon"
shot balloon-apply.png
wait_window '270x1[3-5][0-9]' 30 "wired success balloon"
shot balloon-wired.png
# The first status check (every 10 s) sets the tray icon and shows the tip.
wait_window '300x[0-9]+' 30 "start tip"
shot balloon-start-tip.png
wait_no_balloon 15
# The tray icon sits in trayer's panel, the only icon there.
panel=$(xdotool search --onlyvisible --class trayer 2>/dev/null | head -n1 || true)
[ -n "$panel" ] || { echo "no notification area window" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$panel")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.3
xdotool click 1
sleep 1
shot tray-menu.png
xdotool key Escape
stop_all

# 2. Cable pulled, only the hidden profile: nothing to apply, so the start
#    ends with the not-connected balloon.
prepare_run disconnected
find "$run/root/etc" -name '*.profile' ! -name 'Staff Room.profile' -delete
"$build/platform/tidewave_sim_world" | sed '/<wired /s/link="1"/link="0"/' >"$run/world.xml"
grep -q '<wired [^>]*link="0"' "$run/world.xml" || { echo "could not pull the cable in the world file" >&2; exit 1; }
export TIDEWAVE_WORLD=$run/world.xml
start_program
wait_window '270x1[6-9][0-9]' 40 "not-connected balloon"
shot balloon-disconnected.png
stop_all

# --- The other windows --------------------------------------------------------
for part in "$top"/scripts/shots/*.sh; do
  [ -e "$part" ] || continue
  # shellcheck source=/dev/null
  source "$part"
done
