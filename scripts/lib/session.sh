# Starts and stops what the tests need around them: an X server (Xvfb).
# Sourced by scripts/test.sh; session_stop undoes session_start.

_session_pids=()

session_start() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  _session_pids+=($!)
  for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  if [ ! -s "$fdfile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  echo "Xvfb on $DISPLAY"
}

session_stop() {
  local pid
  for pid in "${_session_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${_session_pids[@]}"; do
    wait "$pid" 2>/dev/null
  done
  _session_pids=()
}
