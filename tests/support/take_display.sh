# Sourced by test scripts that show windows on the test run's X servers:
# take_display waits until one of the displays named in TIDEWAVE_DISPLAYS
# (or DISPLAY, without that list) is held by no other test, takes it for the
# rest of the script and exports DISPLAY.  The same locks as TestDisplay.cpp.
take_display() {
  local pool=${TIDEWAVE_DISPLAYS:-${DISPLAY:-}} d
  [ -n "$pool" ] || return 0
  while :; do
    for d in $pool; do
      exec {_display_lock}>"${TMPDIR:-/tmp}/tidewave-display${d//\//_}.lock" || continue
      if flock -n "$_display_lock"; then
        export DISPLAY=$d
        return 0
      fi
      exec {_display_lock}>&-
    done
    sleep 0.05
  done
}
