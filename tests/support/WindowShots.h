#ifndef TIDEWAVE_WINDOWSHOTS_H
#define TIDEWAVE_WINDOWSHOTS_H

#include <functional>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxApp;
class wxWindow;

// Helpers of the programs that write pictures of windows
// (scripts/screenshots.sh).  They run under an X server of their own.  Every
// window they picture passes the layout check (LayoutWalker) first; given
// "--check" in place of the picture folder they check and write nothing,
// which is how the tests run them.  Given "--long" as the last argument they
// fill the same windows with the longest values a user can produce
// (LongValues.h) instead of the demo's own.
namespace WindowShots {

// The start of every such program, called by its OnInit: takes the picture
// folder (or "--check") and the program folder ("<folder> [<program
// folder>]", the second one required when `needProgramFolder`) from the
// command line into `folder` and ProgramFolder, notes a trailing "--long",
// and loads the image handlers.  Without them it says how to call the program and returns false.
bool Begin(const wxApp& app, bool needProgramFolder, wxString& folder);
// Whether the program only checks ("--check").
bool CheckOnly();
// Whether the windows are filled with the longest values ("--long").
bool LongValues();

// A plain backdrop over the whole screen, shown, so that a window's outline
// shows against it.  The caller may destroy it.
wxWindow* ShowBackdrop();
// Runs the event loop for about `ms` milliseconds.
void Pump(int ms);
// Runs it until `done` or `ms` passed; the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, int ms);
// Runs the layout check over a shown window and prints each finding,
// headed by `what`, on standard error; false when there is any.
bool CheckLayout(wxWindow* window, const wxString& what);
// Checks the layout of `window`, then writes its screen area, widened by
// `margin` pixels, to a PNG file, taken from the X server's own picture of
// the screen (the toolkit's screen device context may hand back an older
// frame).  Says so on standard output.  False when the check found
// something or the picture failed.
bool Grab(wxWindow* window, const wxString& file, int margin = 12);
// Writes a screen area (a window with its companions) without a check;
// nothing in check-only mode.
bool GrabArea(const wxRect& area, const wxString& file, int margin = 12);

}  // namespace WindowShots

#endif
