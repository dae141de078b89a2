#!/usr/bin/env bash
# The running program announces itself on DNS-SD: a CA certificate pushed
# over the deploy port makes it publish its student record with the CA flag
# ("<MAC>@1"), and a settings archive with settings version "7" makes the
# record carry "7".  Uses the test command's avahi-daemon (loopback only);
# without one the test is skipped (exit 77) with the reason, or fails where
# TIDEWAVE_REQUIRE_AVAHI=1.  The program and the pushes run in a network
# namespace of their own where the machine allows it (program_test_lib.sh);
# the program and avahi-browse reach the daemon over its D-Bus bus.
#
#   mesh_publish_test.sh <tidewave> <tidewave_test_push> <tidewave_test_mac>
set -u
[ $# -eq 3 ] || { echo "usage: $0 <tidewave> <tidewave_test_push> <tidewave_test_mac>" >&2; exit 2; }
program=$1
push=$2
macprog=$3
port=4711
# ctest ends the test after 120 s; every wait here ends within 110 s of the
# start, so that a slow machine still sees this script's own report.
deadline=$((SECONDS + 110))
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
own_network "$@"
take_display

# The MAC text the program announces, read as the program reads it.
mac=$("$macprog") && [ -n "$mac" ] || { echo "FAIL: $macprog gave no MAC text"; exit 1; }
host=$(hostname -s)

# Sets $left to the seconds before the script's deadline, at most $1.
seconds_left() {
  left=$((deadline - SECONDS))
  [ "$left" -lt "$1" ] || left=$1
  [ "$left" -gt 0 ] || fail "out of time before the test's limit"
}

# What an earlier test or program announced lingers for a moment after it
# ends; the program must find its name free, and its record must not be
# confused with one left behind.  Waits until the daemon lists nothing.
listed=""
while :; do
  # A service withdrawn while avahi-browse looks comes and goes again.
  listed=$(timeout 10 avahi-browse -apt 2>/dev/null | awk -F';' '
    $1 == "+" { s[$4 " (" $5 ")"] = 1 }
    $1 == "-" { delete s[$4 " (" $5 ")"] }
    END { for (k in s) print k }')
  [ -n "$listed" ] || break
  [ "$SECONDS" -lt "$deadline" ] || fail "still announced by an earlier test: $listed"
  sleep 0.2
done

start_program "$program"
mkdir -p "$work/push"

# Waits (until the script's deadline at most) until avahi-browse shows the
# program's record with these items (as avahi-browse prints them, last item
# first); sets $took to the seconds it took.
await_record() {
  local want=$1 start line end
  seconds_left "$deadline"
  start=$(date +%s%N)
  end=$((SECONDS + left))
  while :; do
    # Any of the lines: the record of the first push may linger.
    line=$(timeout 10 avahi-browse -rpt _kxStudent._tcp 2>/dev/null | grep "^=;[^;]*;IPv4;$host;")
    if awk -F';' -v w="$want" '$10 == w { found = 1 } END { exit !found }' <<<"$line"; then
      took=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.1f", ns / 1e9 }')
      return 0
    fi
    [ "$SECONDS" -lt "$end" ] || break
    sleep 0.1
  done
  fail "no record $want for $host within $left s; last seen: ${line:-nothing}"
}

# A push, ended in time for this script's report.
push_file() {
  seconds_left 60
  timeout "$left" "$push" "$1" "$port" "$work/push" >/dev/null
}

push_file ca || fail "pushing the CA certificate"
await_record "\" \" \"$mac@1\""
echo "CA pushed: $host announces \"$mac@1\" $took s later"
push_file version || fail "pushing the settings of version 7"
await_record "\"7\" \"$mac@1\""
echo "settings pushed: $host announces version 7 $took s later"
kill -0 "$app" 2>/dev/null || fail "the program ended"
