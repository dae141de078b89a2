#!/usr/bin/env bash
# Deploy benchmark (not a pass/fail test).  In one run:
#  1. pushes a 60 MiB payload to the deploy server over loopback, and the
#     same bytes through socat into a file;
#  2. unpacks 2000 small profile files from settings archives, and runs
#     tar -xf on a tar holding the same files (a settings archive holds at
#     most 1024 files, so the 2000 travel in two archives of 1000);
# and prints the times and their ratios.  Usage: bench/deploy/run.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
command -v socat >/dev/null || { echo "socat is needed"; exit 1; }
if [ ! -x "$build/bench/deploy/tw_bench_deploy" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWAVE_GUI=OFF -DTIDEWAVE_TESTS=OFF >/dev/null
  cmake --build "$build" -j4 --target tw_bench_deploy >/dev/null
fi
driver=$PWD/$build/bench/deploy/tw_bench_deploy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now() { date +%s.%N; }

# 1. 60 MiB over loopback.
head -c $((60 * 1024 * 1024)) /dev/urandom >"$work/payload"
mkdir -p "$work/program" "$work/root/tmp"
echo trusted >"$work/program/cacert.pem"   # so the payload is stored as the archive
coproc SERVER { TIDEWAVE_ROOT="$work/root" "$driver" server "$work/program" 2>/dev/null; }
read -r port <&"${SERVER[0]}"
t0=$(now)
python3 - "$port" "$work/payload" <<'PY'
import socket, struct, sys
data = open(sys.argv[2], 'rb').read()
s = socket.create_connection(('127.0.0.1', int(sys.argv[1])))
s.sendall(struct.pack('<i', len(data)))
assert s.recv(1) == b'K'
s.sendall(data)
rest = b''
while True:
    b = s.recv(16)
    if not b:
        break
    rest += b
assert rest == b'K', rest
PY
t1=$(now)
exec {SERVER[1]}>&-
wait "$SERVER_PID" || true
cmp -s "$work/payload" "$work/root/tmp/SchoolSettings.tar" || { echo "server stored other bytes"; exit 1; }

sport=$((20000 + RANDOM % 20000))
socat -u TCP-LISTEN:$sport,bind=127.0.0.1,reuseaddr OPEN:"$work/socat.out",creat,trunc &
spid=$!
sleep 0.3
t2=$(now)
socat -u OPEN:"$work/payload" TCP:127.0.0.1:$sport
wait $spid
t3=$(now)
cmp -s "$work/payload" "$work/socat.out" || { echo "socat stored other bytes"; exit 1; }

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
t6=$(now)
"$driver" untar "$work/x1" "$work/settings1.tar" "$work/settings2.tar"
t7=$(now)
untar=$(python3 -c "print($t7 - $t6)")
t4=$(now)
tar -xf "$work/posix.tar" -C "$work/x2"
t5=$(now)
diff -r "$work/x1" "$work/x2" >/dev/null || { echo "unpacked trees differ"; exit 1; }

python3 - "$t0" "$t1" "$t2" "$t3" "$untar" "$t4" "$t5" <<'PY'
import sys
t0, t1, t2, t3, untar, t4, t5 = map(float, sys.argv[1:])
push, socat, tar = t1 - t0, t3 - t2, t5 - t4
print(f"push 60 MiB:   deploy server {push:.3f} s, socat {socat:.3f} s, ratio {push / socat:.2f}")
print(f"unpack 2000:   FileTar {untar:.3f} s, tar -xf {tar:.3f} s, ratio {untar / tar:.2f}")
PY
