#include "DialogMessages.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>

namespace DialogMessages {

void Tell(wxWindow* parent, const wxString& message) {
    wxMessageDialog box(parent, message, _("Message"), wxOK | wxICON_INFORMATION);
    box.ShowModal();
}

bool Ask(wxWindow* parent, const wxString& question) {
    wxMessageDialog box(parent, question, _("Confirm"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    return box.ShowModal() == wxID_YES;
}

}  // namespace DialogMessages
