# Starts and stops what the tests need around them: X servers (Xvfb) and an
# avahi-daemon of their own for the DNS-SD tests.  Sourced by scripts/test.sh
# (and, for the daemon alone, by scripts/run.sh); session_stop undoes
# session_start.

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

_session_pids=()
_session_dir=""

# session_start [<X servers>]: as many X servers as asked (by default one for
# every two processors, from one to four), listed as CTest resources in the
# file TIDEWAVE_DISPLAY_LIST names; session_ctest runs CTest on them, which
# gives each window test a display no other test holds
# (tests/support/TestDisplay.h), so that window tests run side by side and
# each starts only when a display is free.  DISPLAY names the first.
session_start() {
  local count=${1:-$(( $(nproc 2>/dev/null || echo 2) / 2 ))} ids="" names="" i
  (( count < 1 )) && count=1
  (( count > 4 )) && count=4
  for ((i = 0; i < count; i++)); do
    x_start 1280x1024x24 || { echo "Xvfb did not start" >&2; return 1; }
    _session_pids+=("$X_PID")
    ids+="${ids:+, }{\"id\": \"display_${DISPLAY#:}\", \"slots\": 1}"
    names+="${names:+ }$DISPLAY"
  done
  _session_dir=$(mktemp -d)
  export TIDEWAVE_DISPLAY_LIST=$_session_dir/displays.json DISPLAY=${names%% *}
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"displays": [%s]}]}\n' "$ids" >"$TIDEWAVE_DISPLAY_LIST"
  echo "Xvfb on $names"
  avahi_start
}

session_stop() {
  local pid
  avahi_stop
  for pid in "${_session_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${_session_pids[@]}"; do
    wait "$pid" 2>/dev/null
  done
  _session_pids=()
  [ -z "$_session_dir" ] || rm -rf "$_session_dir"
  _session_dir=""
  unset TIDEWAVE_DISPLAY_LIST
}

# session_ctest <build folder> [ctest options...]: ctest in a build, handing
# out the session's X servers: the build's CTest files take the list that
# TIDEWAVE_DISPLAY_LIST names while it is set (tests/displays.cmake.in), and
# the build's own tests/displays.json, which names the one display in
# DISPLAY, is never written, so that a run killed at any moment leaves a
# plain ctest in the build as it was.
session_ctest() {
  (cd "$1" && ctest "${@:2}")
}

# --- avahi-daemon ------------------------------------------------------------
# avahi_start: an avahi-daemon for the DNS-SD clients of this run alone.  It
# sits on a D-Bus bus of its own, which the clients reach through
# DBUS_SYSTEM_BUS_ADDRESS (exported here; avahi's clients and dbus-send
# --system honour it), and sees only the loopback interface of a network
# namespace of its own, so that nothing it announces leaves the machine;
# services resolve to 127.0.0.1.  Neither the machine's system bus nor an
# avahi-daemon already on it is touched: a program that another run or
# session starts on this machine cannot publish into this run's daemon, nor
# this run into theirs, and several runs may each have one at the same time.
# Its runtime folder (pid file, socket) is a private one too.  Ready when it
# owns the avahi name on its bus and its GetState answers 2 (running), in
# about a second.
#
# Sets TIDEWAVE_AVAHI=ready, or TIDEWAVE_AVAHI_SKIP to the reason there is no
# daemon (not root, a tool missing, no network namespace).  The DNS-SD tests
# skip with that reason, or fail where TIDEWAVE_REQUIRE_AVAHI=1 (CI).  Never
# fails the caller.  avahi_stop ends both daemons and gives back the bus
# address the caller had.

_avahi_pids=()
_avahi_netns=""
_avahi_dir=""
_avahi_bus_saved=""  # "set <address>" or "unset" while ours is exported

_bus_call() {  # method [args...] on org.freedesktop.DBus of the bus in use, printed reply
  timeout 5 dbus-send --system --print-reply --dest=org.freedesktop.DBus / "org.freedesktop.DBus.$1" "${@:2}" 2>/dev/null
}

_avahi_skip() {
  avahi_stop
  export TIDEWAVE_AVAHI_SKIP="$1"
  unset TIDEWAVE_AVAHI
  echo "avahi-daemon for the DNS-SD tests: none ($1)"
  return 0
}

avahi_start() {
  unset TIDEWAVE_AVAHI TIDEWAVE_AVAHI_SKIP
  [ "$(id -u)" -eq 0 ] || { _avahi_skip "not root: a daemon in a network namespace of its own needs root"; return 0; }
  local tool
  for tool in avahi-daemon dbus-daemon dbus-send ip; do
    command -v "$tool" >/dev/null || { _avahi_skip "$tool is not installed (scripts/install-deps.sh)"; return 0; }
  done
  if [ "${DBUS_SYSTEM_BUS_ADDRESS+set}" = set ]; then
    _avahi_bus_saved="set $DBUS_SYSTEM_BUS_ADDRESS"
  else
    _avahi_bus_saved=unset
  fi
  _avahi_dir=$(mktemp -d)

  # The bus: anyone may connect, own a name and call (the run is root); no
  # service is started on demand.
  cat >"$_avahi_dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$_avahi_dir/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
CONF
  dbus-daemon --config-file="$_avahi_dir/bus.conf" --nofork --nopidfile >"$_avahi_dir/bus.log" 2>&1 &
  _avahi_pids+=($!)
  export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$_avahi_dir/bus"
  for _ in $(seq 1 100); do
    _bus_call GetId >/dev/null && break
    sleep 0.1
  done
  _bus_call GetId >/dev/null || { _avahi_skip "its D-Bus bus did not start: $(tail -n 3 "$_avahi_dir/bus.log")"; return 0; }

  cat >"$_avahi_dir/avahi-daemon.conf" <<'CONF'
[server]
use-ipv4=yes
use-ipv6=no
allow-interfaces=lo
ratelimit-interval-usec=1000000
ratelimit-burst=1000
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
[reflector]
enable-reflector=no
CONF
  _avahi_netns=tidewave-avahi-$$
  if ! ip netns add "$_avahi_netns" 2>"$_avahi_dir/netns.log"; then
    _avahi_netns=""
    _avahi_skip "no network namespace: $(cat "$_avahi_dir/netns.log")"
    return 0
  fi
  ip netns exec "$_avahi_netns" ip link set lo up
  # "ip netns exec" runs the daemon in a mount namespace of its own, where
  # an empty runtime folder hides the machine's (and its pid file, which
  # would stop the daemon where the machine runs one of its own), and an
  # empty folder of static services the machine's: the daemon announces
  # only what the run publishes.
  mkdir -p /run/avahi-daemon
  ip netns exec "$_avahi_netns" sh -c 'mount -t tmpfs -o mode=0755 tmpfs /run/avahi-daemon &&
    { [ ! -d /etc/avahi/services ] || mount -t tmpfs -o mode=0755 tmpfs /etc/avahi/services; } && exec "$@"' avahi \
    avahi-daemon -f "$_avahi_dir/avahi-daemon.conf" --no-drop-root --no-chroot --no-rlimits --no-proc-title \
    >"$_avahi_dir/avahi-daemon.log" 2>&1 &
  local daemon=$! owner="" state=""
  _avahi_pids+=($daemon)
  for _ in $(seq 1 100); do
    kill -0 "$daemon" 2>/dev/null || break
    owner=$(_bus_call GetNameOwner string:org.freedesktop.Avahi | awk -F'"' '/string/ {print $2}')
    if [ -n "$owner" ]; then
      state=$(timeout 5 dbus-send --system --print-reply --dest="$owner" / \
        org.freedesktop.Avahi.Server.GetState 2>/dev/null | awk '/int32/ {print $2}')
      [ "$state" = 2 ] && break
    fi
    sleep 0.1
  done
  if [ "$state" != 2 ]; then
    _avahi_skip "avahi-daemon did not come up: $(tail -n 3 "$_avahi_dir/avahi-daemon.log" | tr '\n' ' ')"
    return 0
  fi
  export TIDEWAVE_AVAHI=ready
  echo "avahi-daemon for the DNS-SD tests: loopback only, network namespace $_avahi_netns, a D-Bus bus of its own"
}

avahi_stop() {
  local pid i
  # The daemon first, then its bus.
  for ((i = ${#_avahi_pids[@]} - 1; i >= 0; i--)); do
    pid=${_avahi_pids[$i]}
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  _avahi_pids=()
  if [ -n "$_avahi_netns" ]; then
    ip netns del "$_avahi_netns" 2>/dev/null
    _avahi_netns=""
  fi
  if [ -n "$_avahi_dir" ]; then
    rm -rf "$_avahi_dir"
    _avahi_dir=""
  fi
  case "$_avahi_bus_saved" in
    unset) unset DBUS_SYSTEM_BUS_ADDRESS ;;
    "set "*) export DBUS_SYSTEM_BUS_ADDRESS="${_avahi_bus_saved#set }" ;;
  esac
  _avahi_bus_saved=""
}
