# Part of scripts/screenshots.sh: the edit dialog's three pages for a WEP
# profile, its "Other" page for a wired one (with the longest values its
# first page too), and each of its sub-dialogs (IP, proxy, applications,
# network security).
start_x 1024x768x24
each_run "$build/tests/profile_dialogs/profile_dialog_screenshots" "$build/app"
stop_all
