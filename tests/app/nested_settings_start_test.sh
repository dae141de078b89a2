#!/usr/bin/env bash
# The program starts over settings files that an imported archive can leave
# behind nested 60,000 levels deep (the policy, the settings version and the
# mesh configuration): it reads each as missing, says so once on standard
# error, and runs on past its deferred start and its first status checks.
# It runs under a temporary root and home, with a world file of the
# simulated laptop, on the test run's display.
#
#   nested_settings_start_test.sh <tidewave> <tidewave_sim_world>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <tidewave> <tidewave_sim_world>" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run under the test run's X server" >&2; exit 2; }
program=$1
make_world=$2

source "$(dirname "$0")/program_test_lib.sh"
take_display

export TIDEWAVE_ROOT=$work/root HOME=$work/home TIDEWAVE_WORLD=$work/world.xml
settings=$TIDEWAVE_ROOT/etc/Lanternfield
mkdir -p "$HOME/Lanternfield" "$settings" "$TIDEWAVE_ROOT/tmp"
"$make_world" >"$TIDEWAVE_WORLD" || fail "no world file"

nested() {  # root element, levels
  awk -v root="$1" -v n="$2" 'BEGIN {
    printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<%s>", root
    for (i = 0; i < n; i++) printf "<a>"
    for (i = 0; i < n; i++) printf "</a>"
    printf "</%s>\n", root }'
}
nested NetworkPolicy 60000 >"$settings/NetworkPolicy.xml"
nested VersionInfo 60000 >"$settings/VersionInfo.xml"
nested Mesh 60000 >"$settings/MeshConfiguation.xml"
cp "$settings/MeshConfiguation.xml" "$HOME/Lanternfield/"

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

# The policy is read when the hub comes up, 20 s after the start.
for _ in $(seq 1 400); do
  kill -0 "$app" 2>/dev/null || fail "the program ended (before or at its deferred start)"
  grep -q "NetworkPolicy.xml ignored" "$work/program.log" && break
  sleep 0.1
done
grep -q "NetworkPolicy.xml ignored (" "$work/program.log" ||
  fail "no note of the refused policy file 40 s after the start"
# The first apply and status check come next.
sleep 12
kill -0 "$app" 2>/dev/null || fail "the program ended after its deferred start"
[ "$(grep -c "NetworkPolicy.xml ignored" "$work/program.log")" -eq 1 ] ||
  fail "the refused policy file was noted more than once"
echo "start over nested settings files: running, the policy noted once as refused"
