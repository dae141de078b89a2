# Starts and stops what the tests need around them: an X server (Xvfb) and an
# avahi-daemon of their own for the DNS-SD tests.  Sourced by scripts/test.sh
# (and, for the daemon alone, by scripts/run.sh); session_stop undoes
# session_start.

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

_session_pids=()

session_start() {
  x_start 1280x1024x24 || { echo "Xvfb did not start" >&2; return 1; }
  _session_pids+=("$X_PID")
  echo "Xvfb on $DISPLAY"
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
}

# --- avahi-daemon ------------------------------------------------------------
# avahi_start: an avahi-daemon that serves the DNS-SD clients of this machine
# (they stay outside and reach it over the D-Bus system bus) but sees only
# the loopback interface of a network namespace of its own, so that nothing
# it announces leaves the machine; services resolve to 127.0.0.1.  Ready when
# it owns the avahi name on the bus and its GetState answers 2 (running), in
# about a second.  Nothing here asks the bus for the avahi name before our
# daemon owns it: the bus would start the machine's own avahi-daemon for such
# a call (activation), on every interface.
#
# Sets TIDEWAVE_AVAHI=ready, or TIDEWAVE_AVAHI_SKIP to the reason there is no
# daemon of our own (not root; a daemon already on the machine's bus, which is
# left alone).  The DNS-SD tests skip with that reason, or fail where
# TIDEWAVE_REQUIRE_AVAHI=1 (CI).  Never fails the caller.

_avahi_pids=()
_avahi_netns=""
_avahi_dir=""

_bus_call() {  # method [args...] on org.freedesktop.DBus, printed reply
  timeout 5 dbus-send --system --print-reply --dest=org.freedesktop.DBus / "org.freedesktop.DBus.$1" "${@:2}" 2>/dev/null
}

# Whether a process still owns the system bus: the pid file names a running
# dbus-daemon, or the socket takes a connection (one that is left behind
# refuses it).
_bus_alive() {
  local pid
  pid=$(cat /run/dbus/pid 2>/dev/null)
  [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = dbus-daemon ] && return 0
  [ -S /run/dbus/system_bus_socket ] && timeout 5 socat -u /dev/null UNIX-CONNECT:/run/dbus/system_bus_socket 2>/dev/null
}

# The bus's unique name for the owner of the avahi name, empty while no one
# owns it.  Neither this nor a call addressed to the unique name starts a
# daemon.
_avahi_owner() {
  _bus_call GetNameOwner string:org.freedesktop.Avahi | awk -F'"' '/string/ {print $2}'
}

_avahi_state() {  # unique name
  timeout 5 dbus-send --system --print-reply --dest="$1" / \
    org.freedesktop.Avahi.Server.GetState 2>/dev/null | awk '/int32/ {print $2}'
}

_avahi_skip() {
  export TIDEWAVE_AVAHI_SKIP="$1"
  unset TIDEWAVE_AVAHI
  echo "avahi-daemon for the DNS-SD tests: none ($1)"
  avahi_stop
  return 0
}

avahi_start() {
  unset TIDEWAVE_AVAHI TIDEWAVE_AVAHI_SKIP
  [ "$(id -u)" -eq 0 ] || { _avahi_skip "not root: a daemon in a network namespace of its own needs root"; return 0; }
  local tool
  for tool in avahi-daemon dbus-daemon dbus-send ip socat; do
    command -v "$tool" >/dev/null || { _avahi_skip "$tool is not installed (scripts/install-deps.sh)"; return 0; }
  done

  # The system bus: the machine's own when it answers (a slow one is given
  # ten seconds), else one of ours in place of what a bus that is gone left
  # behind.  A bus daemon that runs but does not answer is left alone.
  if ! _bus_call GetId >/dev/null && _bus_alive; then
    local end=$((SECONDS + 10))
    until _bus_call GetId >/dev/null; do
      if [ "$SECONDS" -ge "$end" ]; then
        _avahi_skip "the D-Bus system bus does not answer, but its daemon runs; it is left alone"
        return 0
      fi
      sleep 0.5
    done
  fi
  if ! _bus_call GetId >/dev/null; then
    rm -f /run/dbus/pid /run/dbus/system_bus_socket
    mkdir -p /run/dbus
    dbus-daemon --system --nofork --nopidfile >/dev/null 2>&1 &
    _avahi_pids+=($!)
    for _ in $(seq 1 50); do
      _bus_call GetId >/dev/null && break
      sleep 0.1
    done
    _bus_call GetId >/dev/null || { _avahi_skip "the D-Bus system bus did not start"; return 0; }
  fi
  if _bus_call NameHasOwner string:org.freedesktop.Avahi | grep -q "boolean true"; then
    _avahi_skip "an avahi-daemon already runs on this machine's bus; it is left alone"
    return 0
  fi

  _avahi_dir=$(mktemp -d)
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
  local pid=/run/avahi-daemon/pid
  if [ -f "$pid" ] && ! kill -0 "$(cat "$pid" 2>/dev/null)" 2>/dev/null; then
    rm -f "$pid"
  fi
  ip netns exec "$_avahi_netns" avahi-daemon -f "$_avahi_dir/avahi-daemon.conf" \
    --no-drop-root --no-chroot --no-rlimits --no-proc-title >"$_avahi_dir/avahi-daemon.log" 2>&1 &
  local daemon=$! owner="" owner_pid="" state=""
  _avahi_pids+=($daemon)
  for _ in $(seq 1 100); do
    kill -0 "$daemon" 2>/dev/null || break
    owner=$(_avahi_owner)
    if [ -n "$owner" ]; then
      owner_pid=$(_bus_call GetConnectionUnixProcessID string:"$owner" | awk '/uint32/ {print $2}')
      if [ -n "$owner_pid" ] && [ "$owner_pid" != "$daemon" ]; then
        _avahi_skip "another avahi-daemon (pid $owner_pid) took the name on this machine's bus; it is left alone"
        return 0
      fi
      state=$(_avahi_state "$owner")
      [ "$state" = 2 ] && break
    fi
    sleep 0.1
  done
  if [ "$state" != 2 ]; then
    _avahi_skip "avahi-daemon did not come up: $(tail -n 3 "$_avahi_dir/avahi-daemon.log" | tr '\n' ' ')"
    return 0
  fi
  export TIDEWAVE_AVAHI=ready
  echo "avahi-daemon for the DNS-SD tests: loopback only, network namespace $_avahi_netns"
}

avahi_stop() {
  local pid i
  # The daemon first, then the bus it was registered on.
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
}
