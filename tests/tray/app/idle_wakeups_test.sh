#!/usr/bin/env bash
# The running program, left alone, wakes no more often than its own timers
# ask: over 20 s of idle, at most one wake-up a second across all its
# threads, counted from their voluntary context switches.  The program runs
# with a notification area on an X server of its own, under a temporary root
# and home, with a world file of the simulated laptop; the measurement starts
# once the start-up (its deferred start, balloons) is over.
#
#   idle_wakeups_test.sh <tidewave> <tidewave_sim_world>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <tidewave> <tidewave_sim_world>" >&2; exit 2; }
program=$1
make_world=$2
seconds=20
limit=$seconds   # one a second
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

export TIDEWAVE_ROOT=$work/root HOME=$work/home TIDEWAVE_WORLD=$work/world.xml
mkdir -p "$HOME" "$TIDEWAVE_ROOT/etc/Lanternfield" "$TIDEWAVE_ROOT/tmp"
"$make_world" >"$TIDEWAVE_WORLD" || fail "no world file"

fdfile=$work/display
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
[ -s "$fdfile" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$fdfile")"
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

# The deferred start comes after 20 s; then wait for a quiet moment.
sleep 25
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
