#!/usr/bin/env bash
# The running program, left alone, wakes no more often than its own timers
# ask: over 20 s of idle, at most one wake-up a second across all its
# threads (the hub's, the deploy server's, the DNS-SD ones on the test
# command's avahi-daemon, the simulated laptop's), counted from their
# voluntary context switches.  The program runs with a notification area on
# the test run's display, under a temporary root and home, with a world file
# of the simulated laptop; the measurement starts once the start-up (its
# deferred start, balloons, the first publication) is over.
#
# Its DNS-SD clients are woken by every signal of the D-Bus driver, and the
# driver signals each connection that comes and goes on the bus; on the test
# run's bus other tests come and go all the time.  So where the run has an
# avahi-daemon, the program gets a bus and daemon of its own, alike in all
# but that nobody else is on them.
#
#   idle_wakeups_test.sh <tidewave> <tidewave_sim_world>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <tidewave> <tidewave_sim_world>" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run under the test run's X server" >&2; exit 2; }
program=$1
make_world=$2
seconds=20
limit=$seconds   # one a second

source "$(dirname "$0")/program_test_lib.sh"
take_display

if [ "${TIDEWAVE_AVAHI:-}" = ready ]; then
  source "$(dirname "$0")/../../scripts/lib/session.sh"
  trap 'avahi_stop; cleanup' EXIT
  avahi_start >"$work/avahi.log"
  [ "${TIDEWAVE_AVAHI:-}" = ready ] || fail "no avahi-daemon of the test's own: $(cat "$work/avahi.log")"
fi

export TIDEWAVE_ROOT=$work/root HOME=$work/home TIDEWAVE_WORLD=$work/world.xml
mkdir -p "$HOME" "$TIDEWAVE_ROOT/etc/Lanternfield" "$TIDEWAVE_ROOT/tmp"
"$make_world" >"$TIDEWAVE_WORLD" || fail "no world file"

trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

# Voluntary context switches of every thread: "tid count" lines.
switches() {
  local t
  for t in /proc/"$app"/task/*; do
    echo "${t##*/} $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status" 2>/dev/null)"
  done | sort
}
# Wake-ups between two listings; a thread born in between counts whole.
woken() {
  join -a 2 -o 0,1.2,2.2 -e 0 "$1" "$2" | awk '{ sum += $3 - $2 } END { print sum + 0 }'
}

# The deferred start comes after 20 s, and the DNS-SD publisher, asked
# again once the first status checks have seen the address, is restarted
# no sooner than 30 s after its first start; then wait for a quiet moment.
sleep 55
for _ in $(seq 1 15); do
  kill -0 "$app" 2>/dev/null || fail "the program ended"
  switches >"$work/a"; sleep 2; switches >"$work/b"
  [ "$(woken "$work/a" "$work/b")" -le 1 ] && break
done

switches >"$work/before"
sleep $seconds
switches >"$work/after"
kill -0 "$app" 2>/dev/null || fail "the program ended"
total=$(woken "$work/before" "$work/after")
if [ "$total" -gt "$limit" ]; then
  echo "per thread (tid, before, after):"
  join -a 2 -o 0,1.2,2.2 -e 0 "$work/before" "$work/after" | while read -r tid a b; do
    echo "  $tid $(cat /proc/"$app"/task/"$tid"/comm 2>/dev/null) $a $b"
  done
  fail "$total wake-ups in $seconds s of idle, more than $limit"
fi
echo "idle: $total wake-ups in $seconds s across all threads"
