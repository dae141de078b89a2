# Part of scripts/screenshots.sh (sourced): the mesh windows, filled through
# their seams, and the tray menu of the running program with mesh turned on.

# --- The mesh windows -----------------------------------------------------------
start_x 1024x768x24
each_run "$build/tests/mesh/tidewave_mesh_screenshots" "$build/app"
stop_all

# --- The tray menu with mesh on -------------------------------------------------
prepare_run mesh
unset TIDEWAVE_WORLD
start_program
wait_window '300x[0-9]+' 80 "start tip"
wait_no_balloon 15
panel=$(xdotool search --onlyvisible --class trayer 2>/dev/null | head -n1 || true)
[ -n "$panel" ] || { echo "no notification area window" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$panel")"
open_tray_menu() {
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  sleep 0.3
  xdotool click 1
  sleep 1
}
# The demo's five profiles, then "Turn on Mesh".
open_tray_menu
xdotool key Down Down Down Down Down Down Return
sleep 1
open_tray_menu
shot tray-menu-mesh.png
xdotool key Escape
stop_all
