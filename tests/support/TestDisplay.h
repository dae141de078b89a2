#ifndef TIDEWAVE_TESTDISPLAY_H
#define TIDEWAVE_TESTDISPLAY_H

// The X display a window test runs on.  CTest hands the displays out: every
// window test asks for one "displays" resource (tests/CMakeLists.txt) and
// starts only when one is free, so that its time-out measures its own run
// and no two tests share a screen, pointer and keyboard.  The id of the
// display CTest gave names it: "display_<n>" is ":<n>" (the test command
// lists the X servers it started so), "current" the one in DISPLAY (the
// list the build writes, for a run under a single X server).  Outside CTest
// the display in DISPLAY is used.  tests/support/take_display.sh does the
// same for test scripts.
namespace TestDisplay {

// Sets DISPLAY to the display CTest gave this test; false, with the reason
// on stderr, when its id names no display.
bool Take();

}  // namespace TestDisplay

#endif
