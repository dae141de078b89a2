#!/usr/bin/env bash
# The running program announces itself on DNS-SD: a CA certificate pushed
# over the deploy port makes it publish its student record with the CA flag
# ("<MAC>@1"), and a settings archive with settings version "7" makes the
# record carry "7".  Uses the test command's avahi-daemon (loopback only);
# without one the test is skipped (exit 77) with the reason, or fails where
# TIDEWAVE_REQUIRE_AVAHI=1.
#
#   mesh_publish_test.sh <tidewave> <tidewave_test_push>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <tidewave> <tidewave_test_push>" >&2; exit 2; }
program=$1
push=$2
port=4711
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run under the test run's X server" >&2; exit 2; }
if [ "${TIDEWAVE_AVAHI:-}" != ready ]; then
  reason=${TIDEWAVE_AVAHI_SKIP:-not started (run the tests through scripts/test.sh)}
  if [ "${TIDEWAVE_REQUIRE_AVAHI:-}" = 1 ]; then
    echo "FAIL: no avahi-daemon for the DNS-SD tests: $reason"
    exit 1
  fi
  echo "SKIP: no avahi-daemon for the DNS-SD tests: $reason"
  exit 77
fi

source "$(dirname "$0")/program_test_lib.sh"

# The MAC text the program announces: the first interface in index order
# that is not the loopback and has a non-zero address.
mac=""
for dev in $(for d in /sys/class/net/*; do echo "$(cat "$d/ifindex") $(basename "$d")"; done | sort -n | cut -d' ' -f2); do
  [ "$dev" = lo ] && continue
  a=$(cat "/sys/class/net/$dev/address" 2>/dev/null)
  [ -n "$a" ] && [ "$a" != 00:00:00:00:00:00 ] && { mac=${a//:/-}; break; }
done
[ -n "$mac" ] || mac=00-00-00-00-00-00
host=$(hostname -s)

start_program "$program"
mkdir -p "$work/push"

# Waits until avahi-browse shows the program's record with these items (as
# avahi-browse prints them, last item first); sets $took to the seconds it
# took.
await_record() {
  local want=$1 start line
  start=$(date +%s%N)
  for _ in $(seq 1 150); do
    # Any of the lines: a record that another run left behind may linger.
    line=$(avahi-browse -rpt _kxStudent._tcp 2>/dev/null | grep "^=;[^;]*;IPv4;$host;")
    if awk -F';' -v w="$want" '$10 == w { found = 1 } END { exit !found }' <<<"$line"; then
      took=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.1f", ns / 1e9 }')
      return 0
    fi
    sleep 0.1
  done
  fail "no record $want for $host within 15 s; last seen: ${line:-nothing}"
}

"$push" ca "$port" "$work/push" >/dev/null || fail "pushing the CA certificate"
await_record "\" \" \"$mac@1\""
echo "CA pushed: $host announces \"$mac@1\" $took s later"
"$push" version "$port" "$work/push" >/dev/null || fail "pushing the settings of version 7"
await_record "\"7\" \"$mac@1\""
echo "settings pushed: $host announces version 7 $took s later"
kill -0 "$app" 2>/dev/null || fail "the program ended"
