#!/usr/bin/env bash
# Builds the fuzzers of the readers that take input from outside (the
# settings archive, the profile and settings files, and announced mesh-server
# records) with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time, starting from its corpus in
# fuzz/corpus/<target>/ (seeds and what longer runs found, minimized).
# Usage: fuzz/build-and-run.sh [seconds]   (default 30, for each fuzzer)
# Exits 0 without doing anything when clang is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
seconds=${1:-30}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not installed, skipped"
  exit 0
fi

out=$top/build/fuzz
for target in filetar profile txt; do
  mkdir -p "$out/$target"
  cp -n fuzz/corpus/$target/* "$out/$target/" 2>/dev/null || true
done

flags="-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
# shellcheck disable=SC2046
clang++ $flags $(wx-config --cxxflags base) -Iarchive -Ibase \
  fuzz/FileTarFuzzer.cpp archive/FileTar.cpp archive/FileTarHeader.cpp archive/FileTarEntry.cpp base/PosixIo.cpp \
  $(wx-config --libs base) -o "$out/filetar_fuzzer"
# shellcheck disable=SC2046
# The settings documents' readers bring the shared utilities and, through
# them, the platform library (the simulated one; nothing starts it here).
clang++ $flags -DNDEBUG -DTIXML_USE_STL $(wx-config --cxxflags base) -Icore/store -Icore/util -Ibase -Iplatform \
  fuzz/ProfileFileFuzzer.cpp $(ls core/store/*.cpp core/util/*.cpp) \
  $(ls platform/sim/*.cpp | grep -v SimControl) base/*.cpp \
  -ltinyxml $(wx-config --libs base) -lpthread -o "$out/profile_fuzzer"

# shellcheck disable=SC2046
clang++ $flags $(wx-config --cxxflags base) $(pkg-config --cflags avahi-client) -Idnssd -Imesh -Icore/util -Ibase -Iplatform \
  fuzz/TxtRecordFuzzer.cpp dnssd/MeshTxtRecord.cpp mesh/MeshText.cpp mesh/MeshGatewayRecord.cpp \
  core/util/TWMUtilText.cpp base/Utf8Text.cpp \
  $(wx-config --libs base) $(pkg-config --libs avahi-client) -o "$out/txt_fuzzer"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run() {  # target, max_len, [more options]
  "$out/$1_fuzzer" -max_total_time="$seconds" -max_len="$2" -timeout=10 -artifact_prefix="$out/$1-" "${@:3}" "$out/$1"
}
echo "== settings archive reader, $seconds s"
run filetar 65536
echo "== profile and settings file readers, $seconds s"
# Their notes of refused settings files go to the closed standard error;
# the fuzzer's own reports and the sanitizers' still reach the terminal.
run profile 65536 -close_fd_mask=2
echo "== announced mesh-server records, $seconds s"
run txt 2048
