#ifndef TIDEWAVE_WINDOWTESTSUPPORT_H
#define TIDEWAVE_WINDOWTESTSUPPORT_H

#include <functional>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "GuiTestSupport.h"

class wxDialog;
class wxWindow;

// The text of the named child (mnemonics removed); fails when it is missing.
wxString TextOf(wxWindow* parent, const wxString& name);
// The next modal dialog runs for real; once it shows, `whileOpen` gets it.
// whileOpen must end it (a dialog still open afterwards fails the test and
// is cancelled).
void RunWhenShown(std::function<void(wxDialog*)> whileOpen);
// A click on the button with this id (searched among the window's children).
void ClickButton(wxWindow* parent, wxWindowID id);
void ClickButton(wxWindow* parent, const wxString& name);

// A left button press and release at `pos` in `target`'s client area,
// through the target's own event handling.
void ClickAt(wxWindow* target, const wxPoint& pos, bool doubleClick = false);

#endif
