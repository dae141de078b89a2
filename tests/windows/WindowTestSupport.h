#ifndef TIDEWAVE_WINDOWTESTSUPPORT_H
#define TIDEWAVE_WINDOWTESTSUPPORT_H

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "GuiTestSupport.h"

class wxWindow;

// The text of the named child (mnemonics removed); fails when it is missing.
wxString TextOf(wxWindow* parent, const wxString& name);
// A left button press and release at `pos` in `target`'s client area,
// through the target's own event handling.
void ClickAt(wxWindow* target, const wxPoint& pos, bool doubleClick = false);

#endif
