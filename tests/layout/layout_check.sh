#!/usr/bin/env bash
# Runs one picture program in check-only mode over the demo settings, as
# scripts/screenshots.sh runs it, in a settings root and home folder of its
# own:  layout_check.sh <program> <program folder> <tidewave_make_demo>
#                       <resource folder> <stand-in Samba tools> [--long]
# With "--long" the program fills its windows with the longest values a user
# can produce instead of the demo's own.
set -euo pipefail
[ $# -eq 5 ] || { [ $# -eq 6 ] && [ "$6" = --long ]; } \
  || { echo "usage: $0 <program> <program folder> <make demo> <resources> <samba> [--long]" >&2; exit 2; }
program=$1 folder=$2 make_demo=$3 resources=$4 samba=$5
long=("${@:6}")
source "$(dirname "$0")/../support/take_display.sh"
take_display
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/root/usr/share/Tidewave/resource"
"$make_demo" "$work/root" >/dev/null
cp "$resources/en.mo" "$resources/langToFile" "$work/root/usr/share/Tidewave/resource/"
unset TIDEWAVE_WORLD
cd "$work"
# The toolkit's own complaints count too: a control squeezed below its
# minimum makes GTK report a critical error each time it is laid out.
status=0
HOME=$work/home TIDEWAVE_ROOT=$work/root PATH=$samba:$PATH "$program" --check "$folder" ${long[@]+"${long[@]}"} 2>"$work/stderr" || status=$?
cat "$work/stderr" >&2
if grep -q 'Gtk-CRITICAL' "$work/stderr"; then
  echo "the toolkit reported critical errors while showing the windows" >&2
  status=1
fi
exit $status
