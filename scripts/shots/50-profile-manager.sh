# The profile manager over the demo settings, seen by an ordinary user with
# two profiles of their own (the administrator's and the Guest rows greyed, a
# row of the user's selected), and the new-profile wizard's three pages with
# its network security dialog.  Sourced by scripts/screenshots.sh.
prepare_run manager
start_x 1024x768x24
(cd "$run" && HOME=$run/home TIDEWAVE_ROOT=$run/root \
  "$build/tests/profile_dialogs/manager_screenshots" "$out" "$build/app")
stop_all
