# The network windows over the simulated laptop's built-in world, with the
# demo settings and the stand-in Samba tools: the main window connected by
# wire and by wireless, the scan map and its detail list, the key and
# network-name prompts, and the neighbour list.  (The tray menu with its
# scan and main-window items is the running program's picture above.)
prepare_run network-windows
start_x 1024x768x24
(unset TIDEWAVE_WORLD; cd "$run" && HOME=$run/home TIDEWAVE_ROOT=$run/root PATH=$top/scripts/demo/samba:$PATH \
  each_run "$build/tests/windows/windows_screenshots" "$build/app") \
  || { echo "the network windows' pictures failed" >&2; exit 1; }
stop_all
