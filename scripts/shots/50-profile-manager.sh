# The profile manager over the demo settings, seen by an ordinary user with
# two profiles of their own (the administrator's and the Guest rows greyed, a
# row of the user's selected), and the new-profile wizard's three pages with
# its network security dialog.  Each run has settings of its own, as the
# program stores what the manager's OK saves.  Sourced by
# scripts/screenshots.sh.
start_x 1024x768x24
for long in "" --long; do
  prepare_run "manager$long"
  (cd "$run" && HOME=$run/home TIDEWAVE_ROOT=$run/root \
    "$build/tests/profile_dialogs/manager_screenshots" "$out${long:+/long}" "$build/app" $long)
done
stop_all
