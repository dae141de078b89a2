# An X server of our own (Xvfb) on a display that is free: neither its
# socket /tmp/.X11-unix/X<n> nor its lock file /tmp/.X<n>-lock exists.  Xvfb
# left to pick a display itself (-displayfd alone) goes by the lock file
# only and would replace a socket that another server, one without a lock
# file here, still listens on; nothing here removes a socket it did not make.
# Sourced by the run, test and picture scripts.

# x_display_free <n>: whether display :n is free.
x_display_free() {
  [ ! -e "/tmp/.X11-unix/X$1" ] && [ ! -e "/tmp/.X$1-lock" ]
}

# x_start <width>x<height>x<depth>: Xvfb on the first free display from :1
# up, ready when it returns; sets DISPLAY and X_PID.  When another server
# takes the same display at the same moment, the next free one is tried.
# The server does not reset when its last client leaves: a window test that
# starts as the one before it ends would find it resetting and be refused.
x_start() {
  local n fdfile
  fdfile=$(mktemp)
  X_PID=""
  for ((n = 1; n < 500; n++)); do
    x_display_free "$n" || continue
    : >"$fdfile"
    Xvfb ":$n" -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
    X_PID=$!
    for _ in $(seq 1 100); do
      [ -s "$fdfile" ] && break
      kill -0 "$X_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -s "$fdfile" ]; then
      rm -f "$fdfile"
      export DISPLAY=":$n"
      return 0
    fi
    kill "$X_PID" 2>/dev/null || true
    wait "$X_PID" 2>/dev/null || true
    X_PID=""
  done
  rm -f "$fdfile"
  echo "no free X display for Xvfb" >&2
  return 1
}
