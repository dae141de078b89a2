#ifndef TIDEWAVE_HELPKEY_H
#define TIDEWAVE_HELPKEY_H

#include <wx/accel.h>
#include <wx/event.h>
#include <wx/window.h>

// F1 in a profile dialog: an accelerator for the dialog's help command,
// which no control carries.  The toolkit offers an accelerator's command as
// a menu command; the handler is bound to that and to a button click of the
// same id.
template <class Dialog>
void InstallHelpKey(Dialog* dialog, int commandId, void (Dialog::*handler)(wxCommandEvent&)) {
    dialog->Bind(wxEVT_MENU, handler, dialog, commandId);
    dialog->Bind(wxEVT_BUTTON, handler, dialog, commandId);
    wxAcceleratorEntry f1(wxACCEL_NORMAL, WXK_F1, commandId);
    dialog->SetAcceleratorTable(wxAcceleratorTable(1, &f1));
}

#endif
