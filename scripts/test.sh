#!/usr/bin/env bash
# The whole test run: installs what is needed, builds, and runs every test
# once in a normal build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer (the window suites too, on the same X servers),
# and the suites that need no window once under ThreadSanitizer; then fuzzes
# the readers of outside input for a bounded time.  It starts the X servers
# the window tests need, gives them to CTest to hand out, and stops them
# afterwards.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD

scripts/install-deps.sh || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
status=0

build() {  # dir, cmake options...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs"
}

mkdir -p build
build build/asan -DTIDEWAVE_SANITIZE=ON || exit 1
build build/tsan -DTIDEWAVE_SANITIZE=thread -DTIDEWAVE_GUI=OFF || exit 1
build build/test || exit 1

source scripts/lib/session.sh
trap session_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
session_start || exit 1

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "== Sanitizer build: suites without windows"
(cd build/asan && ctest --output-on-failure -j "$jobs" -LE '^display$') || status=1

echo "== Sanitizer build: window suites"
session_ctest build/asan --output-on-failure -j "$jobs" -L '^display$' || status=1

echo "== ThreadSanitizer build: suites without windows"
(cd build/tsan && TSAN_OPTIONS="suppressions=$top/tests/tsan.supp second_deadlock_stack=1" \
  ctest --output-on-failure -j "$jobs" -LE '^display$') || status=1

echo "== Fuzzing the readers of outside input (30 s each)"
fuzz/build-and-run.sh 30 || status=1

echo "== Normal build: every suite"
session_ctest build/test --output-on-failure -j "$jobs" || status=1

exit $status
