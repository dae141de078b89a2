#ifndef TIDEWAVE_SCREENSHOTSUPPORT_H
#define TIDEWAVE_SCREENSHOTSUPPORT_H

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

// For the programs that write pictures of windows (scripts/screenshots.sh).

// Handles events, timers and idle work for about `ms` milliseconds.
void PumpFor(int ms);

// Writes the screen area (with a 12-pixel margin, so that an outline shows
// against the backdrop) as a PNG, from the X server's own picture of the
// screen; prints "wrote <file>" or "FAILED <file>".
bool GrabArea(const wxRect& area, const wxString& file);
bool GrabWindow(wxWindow* window, const wxString& file);

#endif
