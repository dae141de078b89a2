#!/usr/bin/env bash
# A classroom deploy into the running program, over loopback:
#  - the first delivery is the CA certificate, stored as cacert.pem in the
#    program folder;
#  - a settings archive whose server certificate that CA signed is imported:
#    its two profiles and its policy stand byte-equal in the settings folder;
#  - lengths of 0 and above the largest payload are refused;
#  - an archive whose certificate another CA signed changes nothing.
# The program runs as first instance from a folder of its own (so that
# cacert.pem lands there), under a temporary root and home, on the test run's
# display, in a network namespace of its own where the machine allows it
# (program_test_lib.sh); elsewhere the deploy port must be free.
#
#   deploy_push_test.sh <tidewave> <tidewave_test_push>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <tidewave> <tidewave_test_push>" >&2; exit 2; }
program=$1
push=$2
port=4711
[ -x "$program" ] || { echo "FAIL: $program is not an executable" >&2; exit 2; }
[ -x "$push" ] || { echo "FAIL: $push is not an executable" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY; run under the test run's X server" >&2; exit 2; }

source "$(dirname "$0")/program_test_lib.sh"
own_network "$@"
take_display
start_program "$program"
settings=$TIDEWAVE_ROOT/etc/Lanternfield
mkdir -p "$work/push"

# (a) The CA certificate.
"$push" ca "$port" "$work/push" || fail "pushing the CA certificate"
[ -f "$work/prog/cacert.pem" ] || fail "no cacert.pem in the program folder after the first delivery"
cmp -s "$work/push/ca.pem" "$work/prog/cacert.pem" || fail "cacert.pem differs from the CA certificate pushed"
[ ! -e "$HOME/.twm_receive/SchoolSettings.tar" ] || fail "the CA certificate was stored as a settings archive"

# (b) Settings signed by that CA.
"$push" settings "$port" "$work/push" || fail "pushing the settings archive"
for f in "Room 12 Wired.profile" "Room 12 Wireless.profile" NetworkPolicy.xml; do
  [ -f "$settings/$f" ] || fail "$f is not in the settings folder after the import (it holds: $(ls -A "$settings"))"
  cmp -s "$work/push/trusted/$f" "$settings/$f" || fail "$f in the settings folder differs from the one pushed"
done
cmp -s "$work/push/ca.pem" "$work/prog/cacert.pem" || fail "the settings archive replaced cacert.pem"

# Lengths the server must refuse.
"$push" refused "$port" || fail "a length that must be refused"

# An archive whose certificate another CA signed changes nothing.
snapshot() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
before=$(snapshot "$settings")
ca_before=$(sha256sum <"$work/prog/cacert.pem")
"$push" foreign "$port" "$work/push" || fail "pushing the archive of another CA"
[ -f "$HOME/.twm_receive/SchoolSettings.tar" ] || fail "the archive of another CA was not even stored"
cmp -s "$work/push/foreign.tar" "$HOME/.twm_receive/SchoolSettings.tar" || fail "the stored archive is not the one pushed"
after=$(snapshot "$settings")
[ "$before" = "$after" ] || fail "an archive signed by another CA changed the settings folder:
before:
$before
after:
$after"
[ ! -e "$settings/Intruder.profile" ] || fail "a profile of an untrusted archive was imported"
[ "$ca_before" = "$(sha256sum <"$work/prog/cacert.pem")" ] || fail "an untrusted archive changed cacert.pem"

kill -0 "$app" 2>/dev/null || fail "the program ended during the deliveries"
echo "deploy: CA stored, trusted settings imported, bad lengths refused, foreign settings ignored"
