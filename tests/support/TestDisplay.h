#ifndef TIDEWAVE_TESTDISPLAY_H
#define TIDEWAVE_TESTDISPLAY_H

// The X display a window test runs on.  The test command starts a few X
// servers and names them in TIDEWAVE_DISPLAYS (":1 :2 ..."); a test process
// takes one that no other test holds, for its whole life, so that window
// tests run side by side and each has its own screen, pointer and keyboard.
// Without that list the display in DISPLAY is taken, one test at a time.
// tests/support/take_display.sh does the same for test scripts, on the same
// locks.
namespace TestDisplay {

// Waits until a display is free, takes it and sets DISPLAY to it.
void Take();

}  // namespace TestDisplay

#endif
