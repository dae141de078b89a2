#!/usr/bin/env bash
# Deploy benchmark (not a pass/fail test), in a release build.  In one run:
#  1. one sender (length word, then the payload by sendfile) pushes a 60 MiB
#     payload over loopback to the deploy server, and the same to socat
#     writing a file; the server's time (connect to its confirmation, the
#     file stored and synced) is set against socat's, and against socat's
#     plus an fsync of its file; each is the median of five rounds;
#  2. unpacks 2000 small profile files from settings archives, and runs
#     tar -xf on a tar holding the same files (a settings archive holds at
#     most 1024 files, so the 2000 travel in two archives of 1000), the
#     median of five rounds each;
# and prints the times and their ratios.  Usage: bench/deploy/run.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
command -v socat >/dev/null || { echo "socat is needed"; exit 1; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTIDEWAVE_GUI=OFF -DTIDEWAVE_TESTS=OFF >/dev/null
cmake --build "$build" -j3 --target tw_bench_deploy >/dev/null
driver=$(cd "$build" && pwd)/bench/deploy/tw_bench_deploy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# 1. 60 MiB over loopback, five rounds each.
head -c $((60 * 1024 * 1024)) /dev/urandom >"$work/payload"
mkdir -p "$work/program" "$work/root/tmp" "$work/home"
echo trusted >"$work/program/cacert.pem"   # so the payload is stored as the archive
coproc SERVER { TIDEWAVE_ROOT="$work/root" HOME="$work/home" "$driver" server "$work/program" 2>/dev/null; }
read -r port <&"${SERVER[0]}"
: >"$work/server.times"
for _ in 1 2 3 4 5; do
  rm -f "$work/home/.twm_receive/SchoolSettings.tar"
  sync
  "$driver" push "$port" "$work/payload" deploy >>"$work/server.times"
  cmp -s "$work/payload" "$work/home/.twm_receive/SchoolSettings.tar" || { echo "server stored other bytes"; exit 1; }
done
exec {SERVER[1]}>&-
wait "$SERVER_PID" || true

: >"$work/socat.times"
: >"$work/synced.times"
for _ in 1 2 3 4 5; do
  rm -f "$work/socat.out"
  sync
  sport=$((20000 + RANDOM % 20000))
  socat -u TCP-LISTEN:$sport,bind=127.0.0.1,reuseaddr CREATE:"$work/socat.out" &
  spid=$!
  for _ in $(seq 1 50); do ss -ltnH "sport = :$sport" | grep -q . && break; sleep 0.05; done
  received=$("$driver" push "$sport" "$work/payload" plain)
  wait $spid
  synced=$("$driver" fsync "$work/socat.out")
  echo "$received" >>"$work/socat.times"
  python3 -c "print($received + $synced)" >>"$work/synced.times"
  cmp -s <(tail -c +5 "$work/socat.out") "$work/payload" || { echo "socat stored other bytes"; exit 1; }
done
push=$(median <"$work/server.times")
socat=$(median <"$work/socat.times")
synced=$(median <"$work/synced.times")

# 2. 2000 small profile files.
mkdir -p "$work/profiles" "$work/half1" "$work/half2" "$work/x1" "$work/x2"
for i in $(seq 1 2000); do
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<profile><name>%s</name><ssid>%s</ssid></profile>\n' \
    "$(printf 'Profile%04d' "$i" | od -An -tx1 | tr -d ' \n')" "$i" >"$work/profiles/Profile$i.profile"
done
for i in $(seq 1 2000); do
  ln "$work/profiles/Profile$i.profile" "$work/half$(( i <= 1000 ? 1 : 2 ))/"
done
"$driver" pack "$work/half1" "$work/settings1.tar"
"$driver" pack "$work/half2" "$work/settings2.tar"
(cd "$work/profiles" && tar -cf "$work/posix.tar" .)
: >"$work/untar.times"
: >"$work/tar.times"
for _ in 1 2 3 4 5; do
  rm -rf "$work/x1" "$work/x2"
  mkdir -p "$work/x1" "$work/x2"
  t0=$(now)
  "$driver" untar "$work/x1" "$work/settings1.tar" "$work/settings2.tar"
  t1=$(now)
  tar -xf "$work/posix.tar" -C "$work/x2"
  t2=$(now)
  python3 -c "print($t1 - $t0)" >>"$work/untar.times"
  python3 -c "print($t2 - $t1)" >>"$work/tar.times"
  diff -r "$work/x1" "$work/x2" >/dev/null || { echo "unpacked trees differ"; exit 1; }
done
untar=$(median <"$work/untar.times")
tar=$(median <"$work/tar.times")

python3 - "$push" "$socat" "$synced" "$untar" "$tar" <<'PY'
import sys
push, socat, synced, untar, tar = map(float, sys.argv[1:])
print(f"push 60 MiB:   deploy server {push:.3f} s, socat {socat:.3f} s (ratio {push / socat:.2f}), "
      f"socat and fsync {synced:.3f} s (ratio {push / synced:.2f})")
print(f"unpack 2000:   FileTar {untar:.3f} s, tar -xf {tar:.3f} s, ratio {untar / tar:.2f}")
PY
