#!/usr/bin/env bash
# A test run killed hard (SIGKILL: the out-of-memory killer, a closed
# terminal) while session_ctest runs CTest: the window test of that run had a
# display of the session's list, the build's display list is as the build
# wrote it, and a plain ctest in the build afterwards hands out the build's
# display again.  The build is a stand-in: a CTest file that chooses its
# list as a build's tests folder does (tests/displays.cmake.in), and one
# window test that reports the display it was given.  No X server is needed.
#
#   session_ctest_killed_test.sh <scripts/lib/session.sh> <tests/displays.cmake.in>
set -u
[ $# -eq 2 ] || { echo "usage: $0 <session.sh> <displays.cmake.in>" >&2; exit 2; }
session=$1
work=$(mktemp -d)
run=""
cleanup() {
  [ -z "$run" ] || kill -KILL -- "-$run" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

build=$work/build
mkdir -p "$build/tests"
own='{"version": {"major": 1, "minor": 0}, "local": [{"displays": [{"id": "current", "slots": 1}]}]}'
echo "$own" >"$build/tests/displays.json"
echo "${own/current/display_42}" >"$work/session.json"
echo 'subdirs(tests)' >"$build/CTestTestfile.cmake"
sed "s|@TIDEWAVE_BUILD_DISPLAY_LIST@|$build/tests/displays.json|" "$2" >"$build/tests/displays.cmake"
cat >"$build/tests/CTestTestfile.cmake" <<CTEST
include("$build/tests/displays.cmake")
add_test(window sh -c "echo \\\$CTEST_RESOURCE_GROUP_0_DISPLAYS >>'$work/given'; [ ! -e '$work/hold' ] || sleep 60")
set_tests_properties(window PROPERTIES RESOURCE_GROUPS displays:1)
CTEST

# The run, in a process group of its own, killed once its window test runs.
touch "$work/hold"
setsid bash -c 'source "$1"; export TIDEWAVE_DISPLAY_LIST=$2; session_ctest "$3" -R window' run \
  "$session" "$work/session.json" "$build" >"$work/run.log" 2>&1 &
run=$!
for _ in $(seq 1 100); do
  [ -s "$work/given" ] && break
  sleep 0.1
done
[ -s "$work/given" ] || fail "the window test did not start within 10 s: $(cat "$work/run.log")"
kill -KILL "$run"
wait "$run" 2>/dev/null
kill -KILL -- "-$run" 2>/dev/null  # what it left running: its CTest and the test
run=""
rm "$work/hold"

[ "$(cat "$work/given")" = "id:display_42,slots:1" ] || fail "the run's window test had $(cat "$work/given"), not the session's display"
[ "$(cat "$build/tests/displays.json")" = "$own" ] || fail "the killed run left the build's display list as:
$(cat "$build/tests/displays.json")"
# A plain ctest, as from another shell: without a session's list.
(cd "$build" && env -u TIDEWAVE_DISPLAY_LIST ctest -R window >"$work/plain.log" 2>&1) || fail "a plain ctest after the killed run: $(cat "$work/plain.log")"
[ "$(tail -n 1 "$work/given")" = "id:current,slots:1" ] || fail "a plain ctest after the killed run gave $(tail -n 1 "$work/given"), not the build's display"
echo "killed run: session display given, build's list unchanged, a plain ctest gets the build's display"
