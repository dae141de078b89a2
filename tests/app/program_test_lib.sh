# Sourced by the program-level test scripts: a private work folder, the
# processes to end on exit, failure reports, the program started from a
# folder of its own with its deploy server listening, own_network for those
# that need the deploy port, and take_display for those that show it on one
# of the test run's X servers.

source "$(dirname "${BASH_SOURCE[0]}")/../support/take_display.sh"

# own_network "$@" (the script's arguments): another program on this
# machine may hold the deploy port (the demo of scripts/run.sh, the program
# scripts/screenshots.sh starts).  Where the machine allows it (root,
# unshare and ip at hand), the script runs again in a network namespace of
# its own: a loopback nobody else listens on, and a pair of Ethernet
# interfaces of fixed addresses, one of which the program announces as its
# MAC, as on a laptop.  The X servers and the test run's D-Bus bus (and the
# avahi-daemon on it) are reached through socket files, which every network
# namespace shares.  Elsewhere the script stays on the machine's network,
# $no_own_network says why, and the port must be free.
no_own_network=""
own_network() {
  if [ -n "${TIDEWAVE_OWN_NETWORK:-}" ]; then
    return 0
  elif [ "$(id -u)" -ne 0 ]; then
    no_own_network="not root"
  elif ! command -v unshare >/dev/null || ! command -v ip >/dev/null; then
    no_own_network="unshare or ip is not installed"
  elif ! unshare --net ip link set lo up 2>/dev/null; then
    no_own_network="unshare --net is refused here"
  else
    export TIDEWAVE_OWN_NETWORK=1
    rm -rf "$work"  # the run in the namespace makes its own
    exec unshare --net sh -c 'ip link set lo up &&
      { ip link add tw-eth0 address 02:00:00:00:47:11 type veth peer name tw-eth1 address 02:00:00:00:47:12 || true; } &&
      exec "$@"' own-network "$0" "$@"
  fi
}

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  if [ -s "$work/program.log" ]; then
    echo "--- program output (last 30 lines) ---"
    tail -n 30 "$work/program.log"
  fi
  exit 1
}

# Listening sockets on the deploy port ($port), with their owners where
# visible.
listeners() { ss -ltnpH "sport = :$port" 2>/dev/null; }

# start_program <program>: runs a copy of the program (the program folder,
# where cacert.pem is kept, is where the executable really is) beside a link
# to its pictures, under a temporary root and home folder, as first
# instance; output in $work/program.log, pid in $app.  Returns once its
# deploy server listens on $port, which must be free before (as it always is
# in a network namespace of the test's own).
start_program() {
  local busy owner=""
  busy=$(listeners)
  [ -z "$busy" ] || fail "TCP port $port is already in use on this machine, the test needs it free${no_own_network:+ (no network namespace of its own: $no_own_network)}: $busy"
  export TIDEWAVE_ROOT=$work/root HOME=$work/home
  unset TIDEWAVE_WORLD
  mkdir -p "$HOME" "$TIDEWAVE_ROOT/etc/Lanternfield" "$TIDEWAVE_ROOT/tmp" "$work/prog"
  cp "$1" "$work/prog/tidewave"
  ln -s "$(dirname "$1")/pic" "$work/prog/pic"
  "$work/prog/tidewave" >"$work/program.log" 2>&1 &
  app=$!
  pids+=($app)
  # The deploy server starts at once; give it 15 s.
  for _ in $(seq 1 150); do
    kill -0 "$app" 2>/dev/null || fail "the program ended before its deploy server listened"
    owner=$(listeners)
    [ -n "$owner" ] && break
    sleep 0.1
  done
  [ -n "$owner" ] || fail "nothing listens on port $port 15 s after the start"
  case "$owner" in
    *"pid=$app,"*) ;;
    *) fail "port $port is held by another process, not the program ($app): $owner" ;;
  esac
}
