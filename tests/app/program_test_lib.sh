# Sourced by the program-level test scripts: a private work folder, the
# processes to end on exit, failure reports, the program started from a
# folder of its own with its deploy server listening, and take_display for
# those that show it on one of the test run's X servers.

source "$(dirname "${BASH_SOURCE[0]}")/../support/take_display.sh"

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
# deploy server listens on $port, which must be free before.
start_program() {
  local busy owner=""
  busy=$(listeners)
  [ -z "$busy" ] || fail "TCP port $port is already in use on this machine, the test needs it free: $busy"
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
