# Sourced by test scripts that show windows on the test run's X servers:
# take_display exports DISPLAY as the display CTest gave the test (the ids
# are those of tests/support/TestDisplay.h), or leaves DISPLAY as it is
# outside CTest.  It ends the script when the id names no display.
take_display() {
  local id=${CTEST_RESOURCE_GROUP_0_DISPLAYS:-}  # "id:<id>,slots:1"
  [ -n "$id" ] || return 0
  id=${id#id:}
  id=${id%%,*}
  [ "$id" = current ] && return 0
  [[ $id =~ ^display_[0-9]+$ ]] || { echo "no X display has the id \"$id\"" >&2; exit 2; }
  export DISPLAY=:${id#display_}
}
