#ifndef TIDEWAVE_SCREENGRAB_H
#define TIDEWAVE_SCREENGRAB_H

#include <wx/string.h>

class wxWindow;

// For the programs that write pictures of windows (scripts/screenshots.sh).

// Runs the event loop (events, idle) for about `ms` milliseconds.
void Pump(int ms);

// Lets `window` paint, then writes the screen area it covers, with a margin
// so that its outline shows against the backdrop, as the PNG `file`.  The X
// server's own picture is taken: the toolkit's screen device context may
// hand back an older frame.  Says on standard output what it wrote.
bool Grab(wxWindow* window, const wxString& file);

#endif
