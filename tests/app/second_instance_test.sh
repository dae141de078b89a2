#!/usr/bin/env bash
# A second start of the program, on an X server of its own:
#  - with a notification area it shows its balloon for about 3 s and ends,
#    while the first instance runs on and alone holds the lock;
#  - without one it runs the restart script (under the test root) and ends.
set -u
program=$1
source "$(dirname "$0")/program_test_lib.sh"

# A root a shell would split and cut: the restart script still runs.
export TIDEWAVE_ROOT="$work/school root;x" HOME=$work/home
mkdir -p "$HOME" "$TIDEWAVE_ROOT/etc/Lanternfield" "$TIDEWAVE_ROOT/usr/share/TidewaveManager"
cat >"$TIDEWAVE_ROOT/usr/share/TidewaveManager/restart.sh" <<SCRIPT
#!/bin/sh
touch "$work/restarted"
SCRIPT
chmod +x "$TIDEWAVE_ROOT/usr/share/TidewaveManager/restart.sh"

source "$(dirname "$0")/../../scripts/lib/xserver.sh"
x_start 1024x768x24 || fail "Xvfb did not start"
pids+=("$X_PID")
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
trayer_pid=$!
pids+=($trayer_pid)
sleep 1

"$program" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
for _ in $(seq 1 50); do [ -e "$HOME/.twm_lock" ] && break; sleep 0.1; done
sleep 0.5
kill -0 "$first" 2>/dev/null || fail "the first instance ended"

start=$(date +%s%N)
timeout 20 "$program" >"$work/second.log" 2>&1
status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ $status -eq 0 ] || fail "second instance with a notification area ended with $status"
[ $elapsed_ms -ge 2500 ] || fail "second instance ended after ${elapsed_ms} ms, before its balloon's 3 s"
kill -0 "$first" 2>/dev/null || fail "the first instance ended with the second"
[ ! -e "$work/restarted" ] || fail "restart script ran although a notification area exists"
holders=$(fuser "$HOME/.twm_lock" 2>/dev/null | tr -s ' ' | sed 's/^ //')
[ "$holders" = "$first" ] || fail "lock file held by '$holders', expected only $first"

kill "$trayer_pid"
sleep 1
timeout 20 "$program" >"$work/third.log" 2>&1
status=$?
[ -e "$work/restarted" ] || fail "no restart script without a notification area"
[ $status -ne 0 ] || fail "a start that ran the restart script reported success"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
# Without any X display the program says so and ends; it does not crash.
env -u DISPLAY timeout 20 "$program" >"$work/nodisplay.log" 2>&1
status=$?
# 129 to 192: ended by a signal (a crash); 124: timed out.
{ [ $status -ne 0 ] && [ $status -ne 124 ] && { [ $status -lt 129 ] || [ $status -gt 192 ]; }; } ||
  fail "without a display the program ended with $status"
grep -q "DISPLAY" "$work/nodisplay.log" || fail "without a display the program did not say why"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
echo "second start: balloon and end with a notification area, restart script without"
