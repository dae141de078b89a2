#!/usr/bin/env bash
# Installs what is needed, builds Tidewave and starts it with a demo: a
# settings root of its own (never the machine's /etc), a home folder of its
# own and an editable world file for the simulated laptop.
#
# Without a usable X display it starts Xvfb with a notification area
# (trayer) and says how to look at it.  Run as root where no avahi-daemon
# answers, it starts one that sees only a loopback interface (as the tests
# do) and announces a mesh server "laptop-12" on it, to join from the tray.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD

scripts/install-deps.sh || exit 1

build=$top/build/run
demo=$top/build/demo
mkdir -p "$top/build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWAVE_TESTS=OFF >"$build.configure.log" 2>&1 \
  || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target tidewave tidewave_make_demo tidewave_sim_world tw_catalogues \
  || exit 1

mkdir -p "$demo/home" "$demo/root/usr/share/Tidewave/resource" "$demo/root/usr/share/TidewaveManager"
"$build/scripts/demo/tidewave_make_demo" "$demo/root" || exit 1
cp "$build/resource/langToFile" "$build/resource/"*.mo "$demo/root/usr/share/Tidewave/resource/"
sed "s|^program=.*|program=\"$build/app/tidewave\"|" "$build/app/restart.sh" \
  >"$demo/root/usr/share/TidewaveManager/restart.sh"
chmod +x "$demo/root/usr/share/TidewaveManager/restart.sh"
[ -f "$demo/world.xml" ] || "$build/platform/tidewave_sim_world" >"$demo/world.xml"

export TIDEWAVE_ROOT=$demo/root
export TIDEWAVE_WORLD=$demo/world.xml
export HOME=$demo/home
# Stand-ins for the Samba client tools: the neighbour list shows three
# machines of a demo network.
export PATH=$top/scripts/demo/samba:$PATH

source scripts/lib/session.sh
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  avahi_stop
}
trap cleanup EXIT

# DNS-SD: the machine's avahi-daemon when one answers, else one of our own.
if [ -n "$(timeout 5 dbus-send --system --print-reply --dest=org.freedesktop.DBus / \
  org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Avahi 2>/dev/null | grep 'boolean true')" ]; then
  dnssd="this machine's avahi-daemon: the laptop is announced on the local network"
else
  avahi_start >/dev/null
  if [ "${TIDEWAVE_AVAHI:-}" = ready ]; then
    avahi-publish -s laptop-12 _kxStudentServer._tcp 651 10.20.0.12 laptop-12 10.20.0.1 8.8.8.8 6 >/dev/null 2>&1 &
    pids+=($!)
    dnssd="a loopback-only avahi-daemon of the demo; it announces the mesh server laptop-12"
  else
    dnssd="none ($TIDEWAVE_AVAHI_SKIP); the program retries every 30 s"
  fi
fi

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  x_start 1280x800x24 || exit 1
  pids+=("$X_PID")
  trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
  pids+=($!)
  echo "No X display: Tidewave runs on Xvfb $DISPLAY with a notification area."
  echo "Look at it with:  DISPLAY=$DISPLAY import -window root shot.png"
fi

cat <<MSG
Tidewave starts on $DISPLAY; its tray icon and the first profile's apply
follow 20 seconds after the start.
  settings (profiles, policy): $TIDEWAVE_ROOT/etc/Lanternfield
  simulated laptop:            $TIDEWAVE_WORLD
  DNS-SD:                      $dnssd
Edit the world file while it runs: link="0" on <wired> pulls the cable,
deleting an <accessPoint> line switches that access point off.
Stop with Ctrl-C.
MSG
"$build/app/tidewave"
